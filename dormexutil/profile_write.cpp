#include "DormexUtil.h"
#include "profile_root.h"

#include <cstring>

namespace {

BOOL SetValue(LPCSTR subkey, LPCSTR valueName, DWORD type, const BYTE* data, DWORD size) {
    dormex::RegKey key;
    if (!dormex::CreateProfileKey(subkey, key)) return FALSE;
    return RegSetValueExA(key.get(), valueName, 0, type, data, size) == ERROR_SUCCESS;
}

}  // namespace

BOOL __cdecl Reg_SetProfileNumber(LPCSTR subkey, LPCSTR valueName, DWORD value) {
    return SetValue(subkey, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

BOOL __cdecl Reg_SetProfileString(LPCSTR subkey, LPCSTR valueName, LPCSTR value) {
    if (!value) value = "";
    const DWORD size = static_cast<DWORD>(std::strlen(value) + 1);
    return SetValue(subkey, valueName, REG_SZ, reinterpret_cast<const BYTE*>(value), size);
}

BOOL __cdecl Reg_SetProfileBinary(LPCSTR subkey, LPCSTR valueName, const BYTE* data, DWORD size) {
    if (!data && size) return FALSE;
    return SetValue(subkey, valueName, REG_BINARY, data, size);
}

BOOL __cdecl Reg_DelProfileKey(LPCSTR parentSubkey, LPCSTR childName) {
    // An empty child name would make RegDeleteTree empty the parent itself.
    if (!childName || !*childName) return FALSE;
    dormex::RegKey parent;
    if (!dormex::OpenProfileKey(parentSubkey, parent, KEY_READ | KEY_WRITE | DELETE)) return FALSE;
    return RegDeleteTreeA(parent.get(), childName) == ERROR_SUCCESS;
}
