#include "frame_wnd.h"

#include "win_app.h"

namespace {
constexpr char kFrameBaseClass[] = "RavlenFrame";
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& create) {
    if (!RegisterWndClass(kFrameBaseClass, CS_DBLCLKS)) return FALSE;
    create.lpszClass = kFrameBaseClass;
    create.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent) {
    HINSTANCE instance = AfxGetInstanceHandle();
    char title[256] = {};
    ::LoadStringA(instance, resourceId, title, sizeof title);

    CREATESTRUCTA create = {};
    create.hInstance = instance;
    create.style = static_cast<LONG>(style & ~FWS_ADDTOTITLE);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.hwndParent = parent;
    create.lpszName = title;
    create.hMenu = ::LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    if (!PreCreateWindow(create)) return FALSE;
    return CreateEx(create);
}

bool CFrameWnd::OnMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_CREATE:
        result = OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
        return true;
    case WM_SIZE: {
        // Keep the pane over the whole client area.
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        if (HWND pane = Pane()) ::MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
        return false;
    }
    default:
        return false;
    }
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (!m_hAccelTable || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg) ? TRUE : FALSE;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) return FALSE;  // a control's notification, not a command
    CWinApp* app = AfxGetApp();
    return app ? app->OnCommand(LOWORD(wParam)) : FALSE;
}
