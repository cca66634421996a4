#include "DormexUtil.h"
#include "registry_key.h"

#include <string>
#include <vector>

namespace {

// An installer may store the value as REG_EXPAND_SZ; it is shown with its
// variables expanded, cut to the caller's buffer like a plain string.
bool ReadExpandedString(HKEY key, LPCSTR name, LPSTR buffer, DWORD size) {
    std::vector<BYTE> bytes;
    if (!dormex::ReadValue(key, name, REG_EXPAND_SZ, bytes)) return false;
    const char* stored = reinterpret_cast<const char*>(bytes.data());
    const std::string text(stored, bytes.empty() ? 0 : strnlen(stored, bytes.size()));
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    std::string expanded(needed ? needed : 1, '\0');
    if (!needed || ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed) == 0) expanded = text;
    dormex::CopyTerminated(buffer, size, expanded.c_str(), strnlen(expanded.c_str(), expanded.size()));
    return true;
}

}  // namespace

BOOL __cdecl Reg_GetValueString(HKEY rootKey, LPCSTR keyPath, LPCSTR valueName, LPSTR buffer,
                                DWORD bufferSize) {
    dormex::CopyTerminated(buffer, bufferSize, "", 0);
    if (!buffer || bufferSize == 0) return FALSE;
    try {
        // The product's installer is a 32-bit program, so machine-wide values live in
        // the 32-bit view; the 64-bit build must look there too.
        REGSAM access = KEY_READ;
        if (rootKey == HKEY_LOCAL_MACHINE) access |= KEY_WOW64_32KEY;
        dormex::RegKey key;
        if (!key.Open(rootKey, keyPath ? keyPath : "", access)) return FALSE;
        if (dormex::ReadString(key.get(), valueName, buffer, bufferSize) ||
            ReadExpandedString(key.get(), valueName, buffer, bufferSize)) {
            return TRUE;
        }
    } catch (...) {
        // No exception reaches the C caller; a failed allocation reads as a missing value.
    }
    dormex::CopyTerminated(buffer, bufferSize, "", 0);
    return FALSE;
}
