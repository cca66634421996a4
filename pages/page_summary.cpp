#include "page_summary.h"

#include "frame_fonts.h"
#include "gdi.h"
#include "key_assignment.h"
#include "example_font.h"
#include "resource.h"
#include "resource_string.h"
#include "store_read.h"
#include "summary_values.h"
#include "text_over_picture.h"

#include <string>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The colour sample right of the "Color:" text, in client pixels.
constexpr RECT kSwatch = {650, 344, 659, 353};

bool IsKeyName(int id) { return id >= IDC_SUMMARY_KEY1_NAME && id <= IDC_SUMMARY_KEY7_NAME; }

COLORREF ExampleColor(OsdPublished& osd) {
    return DisplayColor(osd, [] { return ReadNumber(store::kOsdColor); });
}

}  // namespace

CPPageSummary::CPPageSummary() : CPageFrame(IDD_SUMMARY, 5, IDB_SUMMARY_BACKGROUND) {}

void CPPageSummary::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_SUMMARY_OSD_SAMPLE, m_example); }

void CPPageSummary::OnInitPage() {
    char prefix[64] = {};
    ::GetWindowTextA(GetDlgItem(IDC_SUMMARY_OSD_SIZE), prefix, sizeof prefix);
    m_sizePrefix = prefix;
}

void CPPageSummary::OnActivatePage() {
    // The summary lines are bold at the large size in both contrast modes.
    if (State().frameFonts) {
        const HFONT bold = State().frameFonts->HighContrast().currentLabel;
        for (int id = IDC_SUMMARY_INAV; id <= IDC_SUMMARY_TRAY; ++id) {
            if (HWND line = GetDlgItem(id)) ::SendMessageA(line, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
        }
    }
    ShowChoice(IDC_SUMMARY_INAV, State().choices.internetNav, store::kINavEnable, IDS_ENABLE, IDS_DISABLE);
    ShowChoice(IDC_SUMMARY_LUMORA, State().choices.lumora, store::kLumoraEnable, IDS_ENABLE, IDS_DISABLE);
    ShowExample();
    ShowSize();
    ShowChoice(IDC_SUMMARY_PRINT, State().choices.print, store::kPrintEnable, IDS_YES, IDS_NO);
    ShowKeyNames();
    ShowTray();
}

void CPPageSummary::ShowChoice(int id, int choice, const store::NumberValue& stored, UINT onText, UINT offText) {
    const bool on = ChoiceShownOn(choice, [&] { return ReadNumber(stored); });
    SetTextOverPicture(GetDlgItem(id), LoadResourceString(on ? onText : offText).c_str());
}

void CPPageSummary::ShowExample() {
    // The Summary's own font, made only while the example shows what the store holds.
    CFont& fallback = State().summaryExampleFont;
    OsdPublished& osd = State().osd;
    ExampleColor(osd);  // the example's text colour is known before it paints

    LOGFONTA font = {};
    HFONT shown = nullptr;
    if (osd.exampleFont && osd.exampleFont->GetLogFont(&font)) {
        shown = osd.exampleFont->GetSafeHandle();
    } else {
        const std::string face = ReadString(store::kOsdFaceName);
        lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
        MakeFallbackFont(fallback, font.lfFaceName, ReadNumber(store::kOsdHeight));
        shown = fallback.GetSafeHandle();
    }
    ShowExampleText(m_example.m_hWnd, shown, font.lfFaceName);
}

void CPPageSummary::ShowSize() {
    const int points = DisplayPointSize(State().osd, [] { return ReadNumber(store::kOsdSelSize); });
    SetTextOverPicture(GetDlgItem(IDC_SUMMARY_OSD_SIZE), (m_sizePrefix + std::to_string(points)).c_str());
}

void CPPageSummary::ShowKeyNames() {
    for (int k = 0; k < kKeyCount; ++k) {
        KeyAssignment& key = State().keys[k];
        if (key.currentName[0] == '\0') {
            // Nothing chosen in this run: the stored name, else the default one.
            const std::string name = ReadString(store::KeyRecordSubkey(k).c_str(), store::kKeyName,
                                                LoadResourceString(IDS_KEY1_NAME + k).c_str(), kFieldSize);
            lstrcpynA(key.savedName, name.c_str(), kFieldSize);
        }
        SetTextOverPicture(GetDlgItem(IDC_SUMMARY_KEY1_NAME + k), ShownKeyName(key));
    }
}

void CPPageSummary::ShowTray() {
    const bool shown = TrayIconShown(State().osd.trayChoice, [] { return ReadNumber(store::kTrayHide); });
    SetTextOverPicture(GetDlgItem(IDC_SUMMARY_TRAY),
                       LoadResourceString(shown ? IDS_SHOW_TRAY_ICON : IDS_HIDE_TRAY_ICON).c_str());
}

void CPPageSummary::PaintOver(HDC dc) {
    CBrush colour(ExampleColor(State().osd));
    CSelectObject select(dc, colour.GetSafeHandle());
    ::Rectangle(dc, kSwatch.left, kSwatch.top, kSwatch.right, kSwatch.bottom);
}

bool CPPageSummary::OwnStaticColor(HDC dc, int id) {
    if (id == IDC_TITLE || IsKeyName(id)) {
        ::SetTextColor(dc, kWhite);
        ::SetBkColor(dc, kBlack);
        return true;
    }
    ::SetBkColor(dc, kWhite);
    return false;
}

bool CPPageSummary::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC && m_example.m_hWnd && reinterpret_cast<HWND>(lParam) == m_example.m_hWnd) {
        // The face name stands on a band: black behind white, white behind any other colour.
        const HDC dc = reinterpret_cast<HDC>(wParam);
        const COLORREF colour = ExampleColor(State().osd);
        ::SetTextColor(dc, colour);
        ::SetBkColor(dc, colour == kWhite ? kBlack : kWhite);
        ::SetBkMode(dc, OPAQUE);
        result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return true;
    }
    return CPageFrame::OnMessage(msg, wParam, lParam, result);
}
