// The hidden frame's pane: a plain child window that only validates its area.
#pragma once

#include "wnd.h"

class CChildView : public CWnd {
public:
    // Registers the pane's class once and creates it in the frame's client area.
    BOOL Create(HWND frame, UINT id);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
