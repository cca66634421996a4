// CFrameWnd: a top-level frame made from a resource id (menu, accelerators and
// title string) that keeps one child pane stretched over its client area.
#pragma once

#include "wnd.h"

constexpr UINT AFX_IDW_PANE_FIRST = 59648;
// A frame style bit of this layer (the title names the document); it never
// reaches the system.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
public:
    // Registers the frame's class (through PreCreateWindow), loads the menu and
    // accelerators of resourceId and creates the window, not shown.
    BOOL LoadFrame(UINT resourceId, DWORD style, HWND parent = nullptr);
    // Keystrokes for the frame or its pane go through its accelerators.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Fills the creation structure; a subclass may change the class name and
    // style. FALSE stops the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& create);
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Menu and accelerator commands go to the program object (the pane answers none).
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // WM_CREATE: 0 to go on, -1 to fail the creation.
    virtual int OnCreate(LPCREATESTRUCTA) { return 0; }
    // The frame's own object is heap-made and goes with its window.
    void PostNcDestroy() override { delete this; }

    HWND Pane() const { return ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST); }

private:
    // Loaded from the resources, which the system frees with the program.
    HACCEL m_hAccelTable = nullptr;
};
