#include "wnd.h"

#include "win_app.h"

#include <unordered_map>

namespace {

// Which object stands for which window, so that any window (ours, a dialog's,
// a control's) can have one without touching its user data. Kept per thread,
// as a window's messages arrive on the thread that made it; a window property
// would cost a call into the system (under Wine, a round trip to its server)
// at every message. Entries leave at WM_NCDESTROY, before the handle can be
// given to another window.
thread_local std::unordered_map<HWND, CWnd*> t_objects;

// The object whose window CreateEx is making; bound at the first message.
thread_local CWnd* t_creating = nullptr;

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd && m_oldProc) UnsubclassWindow();
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        Detach();
    }
}

CWnd* CWnd::FromHandle(HWND window) {
    auto found = t_objects.find(window);
    return found != t_objects.end() ? found->second : nullptr;
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    t_objects[window] = this;
}

void CWnd::Detach() {
    auto found = t_objects.find(m_hWnd);
    if (found != t_objects.end() && found->second == this) t_objects.erase(found);
    m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, HWND parent,
                    UINT id) {
    CREATESTRUCTA create = {};
    create.dwExStyle = exStyle;
    create.lpszClass = className;
    create.lpszName = windowName;
    create.style = static_cast<LONG>(style);
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.hwndParent = parent;
    create.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    return CreateEx(create);
}

BOOL CWnd::CreateEx(const CREATESTRUCTA& create) {
    t_creating = this;
    HWND window = ::CreateWindowExA(create.dwExStyle, create.lpszClass, create.lpszName,
                                    static_cast<DWORD>(create.style), create.x, create.y, create.cx, create.cy,
                                    create.hwndParent, create.hMenu, AfxGetInstanceHandle(), nullptr);
    t_creating = nullptr;
    if (!window) return FALSE;
    // A window of a class that is not ours (a button, say) is subclassed instead.
    if (!m_hWnd) SubclassWindow(window);
    return TRUE;
}

BOOL CWnd::RegisterWndClass(LPCSTR className, UINT classStyle) {
    WNDCLASSA existing = {};
    if (::GetClassInfoA(AfxGetInstanceHandle(), className, &existing)) return TRUE;
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWnd::StaticWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    return ::RegisterClassA(&wc) != 0;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd) return FALSE;
    Attach(window);
    PreSubclassWindow();
    m_oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window && m_oldProc) ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
    m_oldProc = nullptr;
    Detach();
    return window;
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }
BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

bool CWnd::ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_DRAWITEM) return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* control = item ? FromHandle(item->hwndItem) : nullptr;
    return control && control->OnChildNotify(msg, wParam, lParam, &result);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_oldProc) return ::CallWindowProcA(m_oldProc, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(wParam, lParam, &result)) return result;
        break;
    case WM_NCDESTROY: {
        result = DefWindowProc(msg, wParam, lParam);
        OnNcDestroy();
        return result;
    }
    default:
        if (OnMessage(msg, wParam, lParam, result)) return result;
        break;
    }
    return DefWindowProc(msg, wParam, lParam);
}

void CWnd::OnNcDestroy() {
    CWinApp* app = AfxGetApp();
    // The program's main window going away ends the message loop.
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    m_oldProc = nullptr;
    Detach();
    PostNcDestroy();
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandle(window);
    if (!object && t_creating) {
        object = t_creating;
        t_creating = nullptr;
        object->Attach(window);
    }
    if (!object) return ::DefWindowProcA(window, msg, wParam, lParam);
    // No exception may unwind through the system's code.
    try {
        return object->WindowProc(msg, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
