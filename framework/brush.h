// CBrush: an owning solid brush, deleted with the object.
#pragma once

#include <windows.h>

class CBrush {
public:
    explicit CBrush(COLORREF color) : m_hObject(::CreateSolidBrush(color)) {}
    ~CBrush() {
        if (m_hObject) ::DeleteObject(m_hObject);
    }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    HBRUSH GetSafeHandle() const { return m_hObject; }

private:
    HBRUSH m_hObject;
};
