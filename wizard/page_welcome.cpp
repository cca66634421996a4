#include "page_welcome.h"

#include "DormexUtil.h"
#include "resource.h"
#include "store_layout.h"
#include "win_app.h"

namespace {

constexpr COLORREF kHeadingColor = RGB(0, 0, 255);

// A message box captioned with the program's title, as the framework shows them.
void ShowMessage(HWND owner, const char* text) {
    char title[64] = {};
    ::LoadStringA(AfxGetInstanceHandle(), IDR_MAINFRAME, title, sizeof title);
    ::MessageBoxA(owner, text, title, MB_OK);
}

}  // namespace

CPPageWelcome::CPPageWelcome() : CPageFrame(IDD_WELCOME, -1, IDB_PAGE_BACKGROUND) {}

CPPageWelcome::~CPPageWelcome() {
    if (State().frameFonts == &m_fonts) State().frameFonts = nullptr;
    State().activeFonts = {};
}

void CPPageWelcome::OnSetFont(HFONT font) {
    // The first page made: the fonts exist before any other page needs them.
    m_fonts.Create(font);
    State().frameFonts = &m_fonts;
    CPageFrame::OnSetFont(font);
}

void CPPageWelcome::OnInitPage() {
    char prefix[260] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_VERSION, prefix, sizeof prefix);
    char version[260] = {};
    if (!Reg_GetValueString(HKEY_LOCAL_MACHINE, store::kProfileRoot, store::kVersionValue, version, sizeof version)) {
        lstrcpynA(version, store::kVersionFallback, sizeof version);
    }
    m_versionLine = std::string(prefix) + version;
    ::SetDlgItemTextA(m_hWnd, IDC_VERSION, m_versionLine.c_str());
}

void CPPageWelcome::OnActivatePage() {
    if (HWND heading = GetDlgItem(IDC_WELCOME_HEADING)) {
        ::SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(State().activeFonts.heading), TRUE);
    }
}

LRESULT CPPageWelcome::OnWizardNext() {
    UpdateData(TRUE);
    return CPageFrame::OnWizardNext();
}

bool CPPageWelcome::OwnStaticColor(HDC dc, int id) {
    if (id != IDC_WELCOME_HEADING) return false;
    ::SetTextColor(dc, kHeadingColor);
    return true;
}

bool CPPageWelcome::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_QUERYNEWPALETTE:
        ShowMessage(m_hWnd, "OnQueryNewPalette");
        return false;
    case WM_PALETTECHANGED:
        ShowMessage(m_hWnd, "OnPaletteChanged");
        result = 0;
        return true;
    case WM_ERASEBKGND:
        return false;
    default:
        return CPageFrame::OnMessage(msg, wParam, lParam, result);
    }
}
