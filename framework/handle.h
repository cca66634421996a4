// Owning handles: the object frees the handle it holds when it goes or is
// given another. One template for every kind; a kind adds only how its
// handle is freed (and, for GDI objects, how it is made: gdi_object.h).
#pragma once

#include <windows.h>

template <class Handle, class Free>
class COwnedHandle {
public:
    COwnedHandle() = default;
    explicit COwnedHandle(Handle handle) : m_hObject(handle) {}
    ~COwnedHandle() { Reset(); }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;

    // Takes ownership of handle, freeing the one held before.
    void Attach(Handle handle) {
        Reset();
        m_hObject = handle;
    }
    void Reset() {
        if (m_hObject) Free()(m_hObject);
        m_hObject = nullptr;
    }
    Handle GetSafeHandle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

protected:
    Handle m_hObject = nullptr;
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};

// A kernel object handle: a mutex, a process.
using CHandle = COwnedHandle<HANDLE, CloseKernelHandle>;
