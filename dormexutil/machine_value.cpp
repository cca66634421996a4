#include "DormexUtil.h"
#include "registry_key.h"

BOOL __cdecl Reg_GetValueString(HKEY rootKey, LPCSTR keyPath, LPCSTR valueName, LPSTR buffer,
                                DWORD bufferSize) {
    dormex::CopyTerminated(buffer, bufferSize, "", 0);
    if (!buffer || bufferSize == 0) return FALSE;
    // The product's installer is a 32-bit program, so machine-wide values live in
    // the 32-bit view; the 64-bit build must look there too.
    REGSAM access = KEY_READ;
    if (rootKey == HKEY_LOCAL_MACHINE) access |= KEY_WOW64_32KEY;
    dormex::RegKey key;
    if (!key.Open(rootKey, keyPath ? keyPath : "", access)) return FALSE;
    if (dormex::ReadString(key.get(), valueName, buffer, bufferSize)) return TRUE;
    dormex::CopyTerminated(buffer, bufferSize, "", 0);
    return FALSE;
}
