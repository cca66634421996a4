#include "win_app.h"

#include "wnd.h"

#include <commctrl.h>
#include <ole2.h>

namespace {
CWinApp* g_app = nullptr;

// The system's own modal loops (the property sheet's, a dialog box's) call
// nothing of ours before they dispatch a message. This hook sees every
// message that any loop of the thread takes out of the queue, so that the
// windows' PreTranslateMessage (the frame's accelerators) runs in all of
// them alike; a handled message is turned into WM_NULL.
LRESULT CALLBACK PreTranslateHook(int code, WPARAM removal, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg && g_app) {
        try {
            if (g_app->PreTranslateMessage(msg)) {
                msg->message = WM_NULL;
                msg->wParam = 0;
                msg->lParam = 0;
            }
        } catch (...) {
            // No exception may unwind through the system's code.
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

// The hook for the life of the program's thread.
class ScopedPreTranslateHook {
public:
    ScopedPreTranslateHook()
        : hook_(::SetWindowsHookExA(WH_GETMESSAGE, &PreTranslateHook, nullptr, ::GetCurrentThreadId())) {}
    ~ScopedPreTranslateHook() {
        if (hook_) ::UnhookWindowsHookEx(hook_);
    }
    ScopedPreTranslateHook(const ScopedPreTranslateHook&) = delete;
    ScopedPreTranslateHook& operator=(const ScopedPreTranslateHook&) = delete;

private:
    HHOOK hook_;
};

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    // When the main window closed inside InitInstance (a modal wizard), the
    // loop has nothing to wait for and ends at once.
    while (m_pMainWnd && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    if (m_oleReady) ::OleUninitialize();
    m_oleReady = false;
    return 0;
}

BOOL CWinApp::OnCommand(UINT id) {
    if (id != ID_APP_EXIT_COMMAND || !m_pMainWnd || !m_pMainWnd->m_hWnd) return FALSE;
    m_pMainWnd->SendMessage(WM_CLOSE);
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    // Only keystrokes are translated; everything else goes straight on.
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    for (HWND window = msg->hwnd; window; window = ::GetParent(window)) {
        if (CWnd* object = CWnd::FromHandle(window); object && object->PreTranslateMessage(msg)) return TRUE;
        if (!(::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return FALSE;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

BOOL AfxOleInit() {
    if (g_app && !g_app->m_oleReady) g_app->m_oleReady = SUCCEEDED(::OleInitialize(nullptr));
    return g_app && g_app->m_oleReady ? TRUE : FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_hInstance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    ScopedPreTranslateHook preTranslate;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
