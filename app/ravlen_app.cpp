#include "ravlen_app.h"

#include "DormexUtil.h"
#include "about_dlg.h"
#include "main_frame.h"
#include "resource.h"
#include "sheet.h"
#include "store_layout.h"
#include "wnd.h"

namespace {
constexpr char kInstanceMutex[] = "RavlenClass";
constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
}  // namespace

CRavlenApp theApp;

BOOL CRavlenApp::InitInstance() {
    m_mutex.Attach(::CreateMutexA(nullptr, FALSE, kInstanceMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;
    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    frame->LoadFrame(IDR_MAINFRAME, kFrameStyle);

    char userName[260] = {};
    DWORD size = sizeof userName;
    ::GetUserNameA(userName, &size);
    Reg_InitProfile(store::kProfileRoot, userName);

    CPSheet sheet(IDS_WIZARD_CAPTION, nullptr, 0, nullptr, nullptr, nullptr);
    sheet.m_psh.hInstance = ::GetModuleHandleA(nullptr);
    // The sheet, not yet a window, becomes the main window: it gets no owner,
    // and its closing ends the program.
    m_pMainWnd = &sheet;
    const INT_PTR shown = sheet.DoModal();
    // A sheet that could not be made was never a window whose end posts the
    // quit message: with no main window left the loop does not wait for one,
    // and the program ends (closing the mutex) as after any other ending.
    m_pMainWnd = nullptr;
    return shown == -1 ? FALSE : TRUE;
}

int CRavlenApp::ExitInstance() {
    m_mutex.Reset();
    return CWinApp::ExitInstance();
}

BOOL CRavlenApp::OnCommand(UINT id) {
    if (id != ID_APP_ABOUT) return CWinApp::OnCommand(id);
    CAboutDlg about;
    about.DoModal(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
    return TRUE;
}
