#include "key_assignment.h"

const char* ShownKeyName(const KeyAssignment& key) {
    return key.currentName[0] != '\0' ? key.currentName : key.savedName;
}
