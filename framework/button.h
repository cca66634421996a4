// CButton: a push button that this object creates and owns.
#pragma once

#include "wnd.h"

class CButton : public CWnd {
public:
    ~CButton() override {
        if (m_hWnd) ::DestroyWindow(UnsubclassWindow());
    }
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateEx(0, "BUTTON", text, style, rect, parent, id);
    }
};
