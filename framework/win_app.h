// CWinApp: the program object. The framework's WinMain runs InitInstance, then
// the message loop while there is a main window, then ExitInstance.
#pragma once

#include <windows.h>

constexpr UINT ID_APP_EXIT_COMMAND = 57665;  // the framework's Exit command

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program at once (ExitInstance still runs).
    virtual BOOL InitInstance() { return TRUE; }
    // Returns the process exit code. Leaves COM and OLE if AfxOleInit entered them.
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT or until the main window is gone.
    virtual int Run();
    // A menu or accelerator command that no window answered. TRUE when handled.
    // Exit (ID_APP_EXIT) closes the main window, as its close box would.
    virtual BOOL OnCommand(UINT id);
    // Offers a retrieved message to the windows it is for, from the one it
    // names up to its top-level window; TRUE when one of them handled it.
    virtual BOOL PreTranslateMessage(MSG* msg);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    bool m_oleReady = false;  // COM and OLE are entered on the program's thread
};

// The one program object, or null (as in test programs).
CWinApp* AfxGetApp();
// The module whose resources the program uses.
HINSTANCE AfxGetInstanceHandle();
// Enters COM and OLE on the program's thread, once, until ExitInstance. The
// shell's namespace and link objects need them for the rest of the thread's
// life; the first window that uses them calls this, so the start does not
// pay for it. FALSE when there is no program object or they cannot be entered.
BOOL AfxOleInit();
