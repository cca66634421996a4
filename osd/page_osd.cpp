#include "page_osd.h"

#include "example_font.h"
#include "resource.h"
#include "store_read.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int kWhiteIndex = 15;
constexpr char kDefaultFace[] = "Arial";

// The controls that Enable and Disable switch; the example itself stays as it is.
constexpr int kDisplayControls[] = {IDC_OSD_FONT_COMBO, IDC_OSD_COLOR_COMBO, IDC_OSD_SIZE_COMBO, IDC_OSD_FONT_LABEL,
                                    IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL, IDC_OSD_EXAMPLE_LABEL};

}  // namespace

CPPageOSD::CPPageOSD() : CPageFrame(IDD_OSD, 4, IDB_PAGE_BACKGROUND) {}

void CPPageOSD::DoDataExchange(CDataExchange* dx) {
    DDX_Radio(dx, IDC_OSD_ENABLE, m_osdRadio);
    DDX_Radio(dx, IDC_TRAY_SHOW, m_trayRadio);
    DDX_Control(dx, IDC_OSD_SIZE_COMBO, m_sizeCombo);
    DDX_Control(dx, IDC_OSD_EXAMPLE, m_example);
    DDX_Control(dx, IDC_OSD_FONT_COMBO, m_fontCombo);
    DDX_Control(dx, IDC_OSD_COLOR_COMBO, m_colorCombo);
}

void CPPageOSD::OnInitPage() {
    // An unexpected value leaves the choice open.
    m_osdRadio = ShowStoredChoice(ReadNumber(store::kOsdEnable), 1, [this](bool on) { EnableDisplayControls(on); });
    m_osdEnabled = EnabledFlag(m_osdRadio);
    m_trayRadio = ShowStoredChoice(ReadNumber(store::kTrayHide), 0, [this](bool shown) { ShowTrayPictures(shown); });
    UpdateData(FALSE);

    m_sizeCombo.SetCurSel(static_cast<int>(ReadNumber(store::kOsdSizeIndex)));
    OnSizeChanged();
    if (m_sizeCombo.GetCurSel() < 0) {
        // A stored index that selects nothing leaves the list empty and the
        // size at its previous value; the index then names that size's item,
        // so that Finish stores an index and a size that agree and the next
        // run shows the size the display really uses.
        m_sizeIndex = m_sizeCombo.FindStringExact(-1, std::to_string(m_pointSize).c_str());
    }

    m_color = ReadNumber(store::kOsdColor);
    m_colorCombo.SetCurSel(static_cast<int>(ReadNumber(store::kOsdColorIndex)));
    OnColorChanged();

    m_fontCombo.RefillFonts();
    m_fontCombo.SetCurSel(StoredFaceIndex());
    RefreshExample();
}

int CPPageOSD::StoredFaceIndex() {
    // Read without the reader's default: with no name stored the index decides.
    const std::string face = ReadString(store::kOsdFaceName.subkey, store::kOsdFaceName.name, "",
                                        store::kOsdFaceName.bufferSize);
    if (!face.empty()) {
        const int named = m_fontCombo.FindStringExact(-1, face.c_str());
        if (named >= 0) return named;
    }
    // From start index 0 the search begins at item 1 and wraps round to item 0.
    const int firstArial = m_fontCombo.FindString(0, kDefaultFace);
    return static_cast<int>(ReadNumber(store::kOsdFontIndex, static_cast<DWORD>(firstArial)));
}

void CPPageOSD::OnSizeChanged() {
    const int index = m_sizeCombo.GetCurSel();
    if (index < 0) return;
    m_sizeIndex = index;
    m_pointSize = std::atoi(m_sizeCombo.GetLBText(index).c_str());
    RefreshExample();
}

void CPPageOSD::OnColorChanged() {
    m_colorIndex = m_colorCombo.GetSelectedColor(m_color);
    State().osd.exampleColor = m_color;
    // White stands on a black band: the whole page repaints round it.
    if (m_colorIndex == kWhiteIndex) ::InvalidateRect(m_hWnd, nullptr, FALSE);
    // Shown again over a fresh background.
    ::ShowWindow(m_example.m_hWnd, SW_HIDE);
    ::ShowWindow(m_example.m_hWnd, SW_SHOW);
}

void CPPageOSD::RefreshExample() {
    LOGFONTA chosen = {};
    m_fontIndex = m_fontCombo.GetSelectedLogFont(chosen);
    // Only the face is taken from the list; weight, charset and the rest stay zero.
    const char* face = m_fontIndex >= 0 ? chosen.lfFaceName : kDefaultFace;
    CFont& example = State().exampleFont;
    State().osd.exampleHeight = MakeExampleFont(example, face, m_pointSize);
    m_exampleFont = &example;
    State().osd.exampleFont = &example;

    ShowExampleText(m_example.m_hWnd, example.GetSafeHandle(), face);
}

LRESULT CPPageOSD::OnWizardNext() {
    TakeRadiosBack();
    return CPageFrame::OnWizardNext();
}

LRESULT CPPageOSD::OnWizardBack() {
    TakeRadiosBack();
    return CPageFrame::OnWizardBack();
}

void CPPageOSD::TakeRadiosBack() {
    UpdateData(TRUE);
    if (m_osdRadio != -1) m_osdEnabled = EnabledFlag(m_osdRadio);
}

BOOL CPPageOSD::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == CBN_SELCHANGE) {
        if (id == IDC_OSD_FONT_COMBO) RefreshExample();
        if (id == IDC_OSD_COLOR_COMBO) OnColorChanged();
        if (id == IDC_OSD_SIZE_COMBO) OnSizeChanged();
        if (id == IDC_OSD_FONT_COMBO || id == IDC_OSD_COLOR_COMBO || id == IDC_OSD_SIZE_COMBO) return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_OSD_ENABLE:
        case IDC_OSD_DISABLE:
            // The choice itself is taken when the page is left forward.
            ::PostMessageA(GetParent(), PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
            EnableDisplayControls(id == IDC_OSD_ENABLE);
            return TRUE;
        case IDC_TRAY_SHOW:
            ShowTrayPictures(true);
            return TRUE;
        case IDC_TRAY_HIDE:
            ShowTrayPictures(false);
            return TRUE;
        default:
            break;
        }
    }
    return CPageFrame::OnCommand(wParam, lParam);
}

bool CPPageOSD::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == m_example.m_hWnd && m_example.m_hWnd) {
        result = reinterpret_cast<LRESULT>(ExampleColors(reinterpret_cast<HDC>(wParam)));
        return true;
    }
    return CPageFrame::OnMessage(msg, wParam, lParam, result);
}

HBRUSH CPPageOSD::ExampleColors(HDC dc) const {
    // The face name stands on a band exactly behind the text (opaque mode);
    // the rest of the static shows the page through the hollow brush.
    ::SetTextColor(dc, m_color);
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, m_colorIndex == kWhiteIndex ? RGB(0, 0, 0) : RGB(255, 255, 255));
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CPPageOSD::EnableDisplayControls(bool enable) {
    for (int id : kDisplayControls) ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

void CPPageOSD::ShowTrayPictures(bool iconShown) {
    ::ShowWindow(GetDlgItem(IDC_TRAY_PICTURE_HIDDEN), iconShown ? SW_HIDE : SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_TRAY_PICTURE_SHOWN), iconShown ? SW_SHOW : SW_HIDE);
    State().osd.trayChoice = iconShown ? 1 : 0;
}
