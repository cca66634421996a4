// An owning registry key handle, and the value readers that every read path shares.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace dormex {

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens root\path for reading; false when it does not exist.
    bool Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
    // Opens or creates root\path with every missing key on the way.
    bool Create(HKEY root, const std::string& path);

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    void Close();
    HKEY key_ = nullptr;
};

// Reads a value of exactly the given type into bytes; false when it is missing
// or of another type. The whole value is read, however large, so that callers
// decide what fits.
bool ReadValue(HKEY key, LPCSTR name, DWORD type, std::vector<BYTE>& bytes);

// Copies text into buffer[0..size), cut to at most size - 1 bytes before a
// character that does not fit whole, and always terminated.
// Does nothing when the buffer is null or has no room at all.
void CopyTerminated(LPSTR buffer, DWORD size, const char* text, size_t length);

// Reads a REG_SZ into the caller's buffer with the cut-and-terminate rule.
bool ReadString(HKEY key, LPCSTR name, LPSTR buffer, DWORD size);

}  // namespace dormex
