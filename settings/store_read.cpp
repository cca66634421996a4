#include "store_read.h"

#include "DormexUtil.h"

DWORD ReadNumber(const store::NumberValue& value) {
    DWORD number = value.fallback;
    if (!Reg_GetProfileNumber(value.subkey, value.name, &number, value.fallback)) number = value.fallback;
    return number;
}
