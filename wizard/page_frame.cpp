#include "page_frame.h"

#include "dib_resource.h"
#include "frame_fonts.h"
#include "gdi.h"
#include "high_contrast.h"
#include "resource.h"
#include "win_app.h"

#include <mmsystem.h>

namespace {

constexpr int kLabelCount = 6;
constexpr LANGID kTraditionalChinese = 1028;
constexpr COLORREF kTitleColor = RGB(255, 255, 255);
constexpr COLORREF kLaterLabelColor = RGB(192, 192, 192);

struct ScaleUnits {
    int ux;  // pixels for 4 horizontal dialog units
    int uy;  // pixels for 8 vertical dialog units
    int k;   // the vertical reference: 13, or 12 for Traditional Chinese
    HWND sheet;
};

bool ClassIs(HWND window, const char* name) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, name) == 0;
}

// Places one control where the reference base units (6, 13) would put it.
BOOL CALLBACK ScaleControl(HWND window, LPARAM param) {
    const auto& units = *reinterpret_cast<const ScaleUnits*>(param);
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, units.sheet, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int newWidth = width * 6 / units.ux;
    int newHeight = height * units.k / units.uy;
    // A combo's height includes its drop-down list; a picture's width is the picture's.
    if (ClassIs(window, "ComboBox")) newHeight = height;
    if (ClassIs(window, "Static") && (::GetWindowLongA(window, GWL_STYLE) & 0x000E)) newWidth = width;
    ::MoveWindow(window, rect.left * 6 / units.ux, rect.top * units.k / units.uy, newWidth, newHeight, FALSE);
    return TRUE;
}

BOOL CALLBACK SendBodyFont(HWND window, LPARAM font) {
    ::SendMessageA(window, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

CPageFrame::CPageFrame(UINT templateId, int ownLabel, UINT backgroundId)
    : CPropertyPageEx(templateId), m_ownLabel(ownLabel), m_backgroundId(backgroundId) {
    m_psp.dwFlags |= PSP_HIDEHEADER;
}

bool CPageFrame::HighContrast() { return HighContrastOn(m_hc); }

BOOL CPageFrame::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    ScaleToReferenceUnits();
    OnInitPage();
    RecordHotSpots();
    return TRUE;
}

BOOL CPageFrame::OnSetActive() {
    if (const DWORD buttons = WizardButtons()) SetWizardButtons(buttons);
    if (HWND extraFinish = ::GetDlgItem(GetParent(), IDC_EXTRA_FINISH)) {
        ::ShowWindow(extraFinish, ShowsExtraFinish() ? SW_SHOW : SW_HIDE);
    }
    ApplyFrameFonts();
    OnActivatePage();
    return CPropertyPageEx::OnSetActive();
}

void CPageFrame::SetWizardButtons(DWORD buttons) const {
    ::PostMessageA(GetParent(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

void CPageFrame::ApplyFrameFonts() {
    WizardState& state = State();
    if (!state.frameFonts) return;
    const FrameFontSet& active = state.activeFonts =
        HighContrast() ? state.frameFonts->HighContrast() : state.frameFonts->Normal();
    ::EnumChildWindows(m_hWnd, SendBodyFont, reinterpret_cast<LPARAM>(active.body));
    if (HWND title = GetDlgItem(IDC_TITLE)) {
        ::SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(active.title), TRUE);
    }
    for (int i = 0; i < kLabelCount; ++i) {
        HWND label = GetDlgItem(IDC_TAB_INTERNET_NAV + i);
        HFONT font = i == m_ownLabel ? active.currentLabel : active.link;
        if (label) ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CPageFrame::ScaleToReferenceUnits() {
    RECT base = {0, 0, 4, 8};
    ::MapDialogRect(m_hWnd, &base);
    if (base.right <= 0 || base.bottom <= 0) return;
    ScaleUnits units = {base.right, base.bottom, ::GetUserDefaultUILanguage() == kTraditionalChinese ? 12 : 13,
                        GetParent()};
    ::EnumChildWindows(m_hWnd, ScaleControl, reinterpret_cast<LPARAM>(&units));
}

void CPageFrame::RecordHotSpots() {
    m_hotSpots.clear();
    for (int i = 0; i < kLabelCount; ++i) {
        RECT rect = {};
        if (HWND label = GetDlgItem(IDC_TAB_INTERNET_NAV + i)) {
            ::GetWindowRect(label, &rect);
            ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        }
        m_hotSpots.push_back(rect);
    }
}

bool CPageFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        // The system's default colours and brush first (DefWindowProc, as the
        // dialog manager would call this page again).
        HBRUSH defaultBrush = reinterpret_cast<HBRUSH>(::DefWindowProcA(m_hWnd, msg, wParam, lParam));
        const UINT type = msg == WM_CTLCOLORDLG ? CTLCOLOR_DLG : CTLCOLOR_STATIC;
        result = reinterpret_cast<LRESULT>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), type, defaultBrush));
        return true;
    }
    case WM_SETCURSOR:
        if (!OnSetCursor()) return false;
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN:
        result = 0;
        return OnStripClick();
    default:
        return CPropertyPageEx::OnMessage(msg, wParam, lParam, result);
    }
}

void CPageFrame::Paint() {
    CPaintDC dc(m_hWnd);
    // In high contrast the system's colours show instead of the picture.
    if (!HighContrast()) PaintBackground(dc.get());
    PaintOver(dc.get());
}

void CPageFrame::PaintBackground(HDC dc) {
    CDibResource picture;
    if (picture.Load(AfxGetInstanceHandle(), BackgroundId())) picture.Draw(dc, 0, 0);
}

HBRUSH CPageFrame::OnCtlColor(HDC dc, HWND control, UINT type, HBRUSH defaultBrush) {
    if (type == CTLCOLOR_DLG) {
        return HighContrast() ? defaultBrush : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }
    if (type != CTLCOLOR_STATIC) return defaultBrush;

    const int id = ::GetDlgCtrlID(control);
    const int label = id - IDC_TAB_INTERNET_NAV;
    if (!OwnStaticColor(dc, id)) {
        if (id == IDC_TITLE) {
            ::SetTextColor(dc, kTitleColor);
        } else if (label >= 0 && label < kLabelCount && label > m_ownLabel) {
            ::SetTextColor(dc, kLaterLabelColor);
        }
    }
    // Every static, radio and check box lets the picture show through.
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

int CPageFrame::HotSpotUnderCursor(int startAt) const {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    for (int i = startAt; i < static_cast<int>(m_hotSpots.size()); ++i) {
        if (::PtInRect(&m_hotSpots[i], cursor)) return i;
    }
    return -1;
}

bool CPageFrame::OnSetCursor() {
    if (!StripActive()) return false;
    for (int i = HotSpotUnderCursor(0); i >= 0; i = HotSpotUnderCursor(i + 1)) {
        if (i == m_ownLabel) continue;
        ::SetCursor(::LoadCursorA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDC_HAND_CURSOR)));
        return true;
    }
    return false;
}

void CPageFrame::PlayClickSound() {
    ::PlaySoundA(MAKEINTRESOURCEA(IDR_CLICK_SOUND), AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

bool CPageFrame::OnStripClick() {
    if (!StripActive()) return false;
    for (int i = HotSpotUnderCursor(0); i >= 0; i = HotSpotUnderCursor(i + 1)) {
        PlayClickSound();
        // A click on the page's own label only clicks.
        if (i == m_ownLabel) continue;
        BeforeStripJump();
        ::SendMessageA(GetParent(), PSM_SETCURSEL, static_cast<WPARAM>(i + 1), 0);
        return true;
    }
    return false;
}
