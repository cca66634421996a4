// CWnd: a C++ object bound to a window, with one dispatch path for every
// message, and subclassing of windows that someone else created.
#pragma once

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window by this layer, or null.
    static CWnd* FromHandle(HWND window);

    // Creates a window of a registered class and binds this object to it.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, HWND parent,
                  UINT id);
    // The same from a filled creation structure (class, styles, menu, parent).
    BOOL CreateEx(const CREATESTRUCTA& create);
    // Registers a window class of this layer (arrow cursor, the window colour
    // as background) unless it exists already. MFC's AfxRegisterWndClass.
    static BOOL RegisterWndClass(LPCSTR className, UINT classStyle);

    // Destroys the window; the object stays and can be reused.
    virtual BOOL DestroyWindow();

    // Binds this object to an existing window by replacing its window procedure.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window its own procedure back and unbinds the object.
    HWND UnsubclassWindow();

    // A message about to be dispatched to this window or one of its children,
    // in whichever loop retrieved it; TRUE when it was handled (an accelerator
    // turned into a command) and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* /*msg*/) { return FALSE; }

    // A message the parent got about this control (WM_DRAWITEM), handed to the
    // control's object; TRUE with *result set when it answered.
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Hands a parent's WM_DRAWITEM to the object bound to the control it names.
    static bool ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }

protected:
    // The message map of a class: answers msg and returns true with result set,
    // or returns false to let the base class and then the default handling run.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_COMMAND: TRUE when handled here; FALSE lets the default handling run.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: TRUE with *result set when handled here.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // What happens to a message nobody answered.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); the object is unbound by then.
    virtual void PostNcDestroy() {}
    // Called by SubclassWindow once the object is bound, before its procedure takes over.
    virtual void PreSubclassWindow() {}

    // The one dispatch path: message map, commands, notifications, default.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Binds the object to a window; used by the window kinds that create windows.
    void Attach(HWND window);
    void Detach();

    static LRESULT CALLBACK StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class CDialog;
    void OnNcDestroy();
    WNDPROC m_oldProc = nullptr;
};
