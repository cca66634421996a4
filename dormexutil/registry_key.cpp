#include "registry_key.h"

#include <cstring>

namespace dormex {

bool RegKey::Open(HKEY root, const std::string& path, REGSAM access) {
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return false;
    key_ = key;
    return true;
}

bool RegKey::Create(HKEY root, const std::string& path) {
    Close();
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

void RegKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool ReadValue(HKEY key, LPCSTR name, DWORD type, std::vector<BYTE>& bytes) {
    // The value may change between the size query and the read; retry a few times
    // rather than trust a stale size.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD storedType = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &storedType, nullptr, &size) != ERROR_SUCCESS) return false;
        if (storedType != type) return false;
        bytes.assign(size, 0);
        DWORD got = size;
        LONG rc = RegQueryValueExA(key, name, nullptr, &storedType, bytes.empty() ? nullptr : bytes.data(), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || storedType != type) return false;
        bytes.resize(got);
        return true;
    }
    return false;
}

void CopyTerminated(LPSTR buffer, DWORD size, const char* text, size_t length) {
    if (!buffer || size == 0) return;
    size_t n = 0;
    // Walk whole characters of the ANSI code page, so that a cut never ends
    // on the lead byte of a double-byte character.
    while (n < length && n < size - 1) {
        const size_t step = ::IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(text[n])) ? 2 : 1;
        if (n + step > length || n + step > size - 1) break;
        n += step;
    }
    if (n) std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

bool ReadString(HKEY key, LPCSTR name, LPSTR buffer, DWORD size) {
    std::vector<BYTE> bytes;
    if (!ReadValue(key, name, REG_SZ, bytes)) return false;
    // A stored string need not carry its terminator; stop at the first zero if it does.
    const char* text = reinterpret_cast<const char*>(bytes.data());
    size_t length = bytes.empty() ? 0 : strnlen(text, bytes.size());
    CopyTerminated(buffer, size, text, length);
    return true;
}

}  // namespace dormex
