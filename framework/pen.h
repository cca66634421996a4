// CPen: an owning pen handle, deleted with the object.
#pragma once

#include <windows.h>

class CPen {
public:
    CPen(int style, int width, COLORREF color) : m_hObject(::CreatePen(style, width, color)) {}
    ~CPen() {
        if (m_hObject) ::DeleteObject(m_hObject);
    }
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;
    HPEN GetSafeHandle() const { return m_hObject; }

private:
    HPEN m_hObject;
};
