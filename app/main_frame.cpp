#include "main_frame.h"

#include "resource.h"
#include "win_app.h"

namespace {
constexpr char kFrameClass[] = "RavlenClass";
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& create) {
    if (!CFrameWnd::PreCreateWindow(create)) return FALSE;
    static bool registered = false;
    if (!registered) {
        // Our own class, named so that others can find us, on the base class's attributes.
        WNDCLASSA wc = {};
        if (::GetClassInfoA(AfxGetInstanceHandle(), create.lpszClass, &wc)) {
            wc.lpszClassName = kFrameClass;
            wc.hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
            registered = ::RegisterClassA(&wc) != 0;
        }
    }
    create.lpszClass = kFrameClass;
    create.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTA create) {
    if (CFrameWnd::OnCreate(create) == -1) return -1;
    return m_wndView.Create(m_hWnd, AFX_IDW_PANE_FIRST) ? 0 : -1;
}

BOOL CMainFrame::DestroyWindow() {
    ::PostQuitMessage(0);
    return CWnd::DestroyWindow();
}

bool CMainFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SETFOCUS:
        if (m_wndView.m_hWnd) ::SetFocus(m_wndView.m_hWnd);
        result = 0;
        return true;
    case WM_CLOSE:
        // Closing the frame (another program may ask) ends the wizard unsaved.
        DestroyWindow();
        result = 0;
        return true;
    default:
        return CFrameWnd::OnMessage(msg, wParam, lParam, result);
    }
}
