#include "key_assignment.h"

KeyAssignment g_keys[kKeyCount] = {};
int g_selectedKey = -1;

const char* ShownKeyName(const KeyAssignment& key) {
    return key.currentName[0] != '\0' ? key.currentName : key.savedName;
}
