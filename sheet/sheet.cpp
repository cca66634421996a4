#include "sheet.h"

#include "dib_resource.h"
#include "high_contrast.h"
#include "resource.h"
#include "save_pass.h"
#include "win_app.h"

namespace {

constexpr int kHelp = IDHELP;
constexpr int kCancel = IDCANCEL;
constexpr int kBack = 0x3023;    // ID_WIZBACK
constexpr int kNext = 0x3024;    // ID_WIZNEXT
constexpr int kFinish = 0x3025;  // ID_WIZFINISH
constexpr int kPictureWidth = 719;  // bitmap 131's width, should it fail to load

// The width of bitmap 131, which the sheet is made as wide as.
int SheetWidth() {
    CDibResource picture;
    if (!picture.Load(AfxGetInstanceHandle(), IDB_SHEET_WIDTH)) return kPictureWidth;
    return picture.GetSize().cx;
}

// A child's rectangle in the sheet's client coordinates.
RECT ChildRect(HWND sheet, HWND child) {
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(HWND_DESKTOP, sheet, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Moves a child's left edge, keeping its top, size, z-order and activation.
void MoveLeftEdge(HWND sheet, HWND child, int left) {
    if (!child) return;
    RECT rect = ChildRect(sheet, child);
    ::SetWindowPos(child, nullptr, left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Width(const RECT& rect) { return rect.right - rect.left; }

}  // namespace

CPSheet::CPSheet(UINT captionId, CWnd* parent, UINT selectPage, HBITMAP watermark, HPALETTE palette, HBITMAP header)
    : CPropertySheetEx(captionId, parent, selectPage, watermark, palette, header) {
    AddPage(&m_welcome);
    AddPage(&m_internetNav);
    AddPage(&m_lumora);
    AddPage(&m_customizeKeys);
    AddPage(&m_printLabel);
    AddPage(&m_osd);
    AddPage(&m_summary);
    m_psh.dwFlags |= PSH_WIZARD97;
    m_highContrast = QueryHighContrast();
}

BOOL CPSheet::QueryHighContrast() { return HighContrastOn(m_hc) ? TRUE : FALSE; }

BOOL CPSheet::OnInitDialog() {
    BOOL result = CPropertySheetEx::OnInitDialog();
    HICON icon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    LayoutButtons();
    return result;
}

void CPSheet::LayoutButtons() {
    const int width = SheetWidth();
    HWND finish = GetDlgItem(kFinish);
    const RECT finishBefore = ChildRect(m_hWnd, finish);

    // Help lines up with the (hidden) tab control's left edge.
    HWND tab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    if (tab) MoveLeftEdge(m_hWnd, GetDlgItem(kHelp), ChildRect(m_hWnd, tab).left);

    HWND cancel = GetDlgItem(kCancel);
    const int cancelLeft = width - Width(ChildRect(m_hWnd, cancel)) - 13;
    MoveLeftEdge(m_hWnd, cancel, cancelLeft);

    HWND next = GetDlgItem(kNext);
    const int nextLeft = cancelLeft - 2 * Width(ChildRect(m_hWnd, next)) - 15;
    MoveLeftEdge(m_hWnd, next, nextLeft);
    MoveLeftEdge(m_hWnd, finish, nextLeft);
    HWND back = GetDlgItem(kBack);
    MoveLeftEdge(m_hWnd, back, nextLeft - Width(ChildRect(m_hWnd, back)) - 3);

    // The extra Finish button stands just left of Cancel, for the Customize
    // Keys page, where Next and Finish are both wanted.
    const RECT extra = {cancelLeft - Width(finishBefore) - 3, finishBefore.top, cancelLeft - 3, finishBefore.bottom};
    if (m_extraFinish.Create("Finish", WS_CHILD | WS_VISIBLE | WS_TABSTOP, extra, m_hWnd, IDC_EXTRA_FINISH)) {
        char text[64] = {};
        if (finish) ::GetWindowTextA(finish, text, sizeof text);
        ::SetWindowTextA(m_extraFinish.m_hWnd, text);
        m_extraFinish.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), TRUE);
        ::ShowWindow(m_extraFinish.m_hWnd, SW_HIDE);
    }

    RECT sheet = {};
    ::GetWindowRect(m_hWnd, &sheet);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, sheet.bottom - sheet.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kFinish) {
        ProfileSink sink;
        SystemDaemonLink daemon;
        RunSavePass(*this, sink, daemon, ::GetUserDefaultUILanguage());
    } else if (LOWORD(wParam) == IDC_EXTRA_FINISH && HIWORD(wParam) == BN_CLICKED) {
        OnExtraFinish();
        return TRUE;
    }
    return CPropertySheetEx::OnCommand(wParam, lParam);
}

void CPSheet::OnExtraFinish() {
    SendMessage(WM_COMMAND, kFinish, 0);
    SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH, 0);
}

bool CPSheet::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_SETTINGCHANGE) {
        result = OnSettingChange(wParam, lParam);
        return true;
    }
    return CPropertySheetEx::OnMessage(msg, wParam, lParam, result);
}

LRESULT CPSheet::OnSettingChange(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProc(WM_SETTINGCHANGE, wParam, lParam);
    const BOOL now = QueryHighContrast();
    if (now != m_highContrast) {
        // Showing the page again makes it pick the fonts of the new mode.
        SetActivePage(GetActiveIndex());
        m_highContrast = now;
    }
    return result;
}
