// Scoped COM helpers: an owning interface pointer and a per-call apartment guard.
#pragma once

#include <objbase.h>

namespace dormex {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { if (p_) p_->Release(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** put() { if (p_) p_->Release(); p_ = nullptr; return &p_; }
    // Takes over the reference that p comes with.
    void Attach(T* p) {
        if (p_) p_->Release();
        p_ = p;
    }
    // Holds p with a reference of its own, letting go of the one held before.
    void Assign(T* p) {
        if (p) p->AddRef();
        if (p_) p_->Release();
        p_ = p;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// Initialises COM for the calling thread when it was not; a thread already in
// another apartment model keeps it and is not uninitialised here.
class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

}  // namespace dormex
