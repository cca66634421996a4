// Handles that close themselves: a kernel handle (INVALID_HANDLE_VALUE counts
// as none) and a COM interface pointer.
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

template <class Interface>
struct ComPtr {
    Interface* p = nullptr;
    ComPtr() = default;
    ~ComPtr() {
        if (p) p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* operator->() const { return p; }
    void** Out() { return reinterpret_cast<void**>(&p); }
};
