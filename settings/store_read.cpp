#include "store_read.h"

#include "DormexUtil.h"

#include <vector>

DWORD ReadNumber(const store::NumberValue& value) { return ReadNumber(value, value.fallback); }

DWORD ReadNumber(const store::NumberValue& value, DWORD fallback) {
    DWORD number = fallback;
    if (!Reg_GetProfileNumber(value.subkey, value.name, &number, fallback)) number = fallback;
    return number;
}

std::string ReadString(const store::StringValue& value) {
    return ReadString(value.subkey, value.name, value.fallback, value.bufferSize);
}

std::string ReadString(LPCSTR subkey, LPCSTR name, LPCSTR fallback, DWORD bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, '\0');
    // The library gives the default when nothing is stored.
    Reg_GetProfileString(subkey, name, buffer.data(), bufferSize, fallback);
    buffer.back() = '\0';
    return buffer.data();
}
