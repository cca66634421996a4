// CMainFrame: the program's hidden top-level window of class "RavlenClass".
// Other programs find the running wizard by it; destroying it ends the program.
#pragma once

#include "child_view.h"
#include "frame_wnd.h"

class CMainFrame : public CFrameWnd {
public:
    // Posts the quit message, then destroys the window.
    BOOL DestroyWindow() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& create) override;
    int OnCreate(LPCREATESTRUCTA create) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CChildView m_wndView;
};
