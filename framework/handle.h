// CHandle: an owning kernel object handle (a mutex, a process), closed when
// the object goes or is given another.
#pragma once

#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    // Takes ownership of handle, closing the one held before.
    void Attach(HANDLE handle) {
        Close();
        m_handle = handle;
    }
    void Close() {
        if (m_handle) ::CloseHandle(m_handle);
        m_handle = nullptr;
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};
