// A kernel handle that closes itself; INVALID_HANDLE_VALUE counts as none.
#pragma once

#include <windows.h>

#include <memory>

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

class UniqueHandle : public std::unique_ptr<void, HandleCloser> {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : unique_ptr(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    void Reset() { reset(); }
};
