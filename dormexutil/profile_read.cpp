#include "DormexUtil.h"
#include "profile_root.h"

#include <cstring>

// No C++ exception may reach the library's C callers: each export catches
// what its reading could throw (a failed allocation for a huge value) and
// returns the failure result with the caller's default in place.

using dormex::RegKey;

BOOL __cdecl Reg_GetProfileNumber(LPCSTR subkey, LPCSTR valueName, DWORD* value, DWORD defaultValue) {
    if (!value) return FALSE;
    *value = defaultValue;
    try {
        RegKey key;
        if (!dormex::OpenProfileKey(subkey, key)) return FALSE;
        std::vector<BYTE> bytes;
        if (!dormex::ReadValue(key.get(), valueName, REG_DWORD, bytes) || bytes.size() != sizeof(DWORD)) return FALSE;
        std::memcpy(value, bytes.data(), sizeof(DWORD));
        return TRUE;
    } catch (...) {
        return FALSE;  // the default stays
    }
}

BOOL __cdecl Reg_GetProfileString(LPCSTR subkey, LPCSTR valueName, LPSTR buffer, DWORD bufferSize,
                                  LPCSTR defaultValue) {
    if (!buffer || bufferSize == 0) return FALSE;
    try {
        RegKey key;
        if (dormex::OpenProfileKey(subkey, key) && dormex::ReadString(key.get(), valueName, buffer, bufferSize)) {
            return TRUE;
        }
    } catch (...) {
        // Read as missing: the default below.
    }
    const char* fallback = defaultValue ? defaultValue : "";
    dormex::CopyTerminated(buffer, bufferSize, fallback, std::strlen(fallback));
    return FALSE;
}

BOOL __cdecl Reg_GetProfileBinary(LPCSTR subkey, LPCSTR valueName, LPBYTE buffer, DWORD* size,
                                  DWORD /*reserved1*/, DWORD /*reserved2*/) {
    if (!size) return FALSE;
    const DWORD capacity = *size;
    *size = 0;
    try {
        RegKey key;
        if (!buffer || !dormex::OpenProfileKey(subkey, key)) return FALSE;
        std::vector<BYTE> bytes;
        if (!dormex::ReadValue(key.get(), valueName, REG_BINARY, bytes) || bytes.size() > capacity) return FALSE;
        if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
        *size = static_cast<DWORD>(bytes.size());
        return TRUE;
    } catch (...) {
        return FALSE;  // nothing read
    }
}
