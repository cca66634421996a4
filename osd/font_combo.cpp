#include "font_combo.h"

#include "gdi.h"

#include <new>

namespace {
constexpr WPARAM kRoomForFaces = 512;
}  // namespace

CFontCombo::CFontCombo()
    : m_highlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_text(::GetSysColor(COLOR_WINDOWTEXT)),
      m_highlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_window(::GetSysColor(COLOR_WINDOW)) {}

CFontCombo::~CFontCombo() {
    // Normally freed with the window; an object that outlives its binding
    // still owns the copies.
    if (m_hWnd) FreeItemFonts();
}

bool CFontCombo::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_CREATE:
        // A combo made through this object fills itself; one of a dialog is
        // filled by RefillFonts.
        result = DefWindowProc(msg, wParam, lParam);
        if (result != -1) {
            FillFonts();
            result = 0;
        }
        return true;
    case WM_DESTROY:
        FreeItemFonts();
        result = DefWindowProc(msg, wParam, lParam);
        return true;
    case UM_FILLFONTS:
        FillFonts();
        result = 0;
        return true;
    default:
        return CComboBox::OnMessage(msg, wParam, lParam, result);
    }
}

void CFontCombo::FillFonts() {
    FreeItemFonts();
    ResetContent();
    m_listed.clear();
    CClientDC dc(m_hWnd);
    if (!dc.get()) return;
    // No face name: one font of each typeface. The list is neither redrawn
    // nor regrown item by item (room for the faces of a well-stocked machine).
    SendMessage(WM_SETREDRAW, FALSE);
    SendMessage(CB_INITSTORAGE, kRoomForFaces, kRoomForFaces * LF_FACESIZE);
    ::EnumFontsA(dc.get(), nullptr, &CFontCombo::AddFace, reinterpret_cast<LPARAM>(this));
    SendMessage(WM_SETREDRAW, TRUE);
}

int CALLBACK CFontCombo::AddFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM param) {
    auto* combo = reinterpret_cast<CFontCombo*>(param);
    // Raster, vector and device fonts, and TrueType with any further bit, are not listed.
    if (!font || !combo || type != TRUETYPE_FONTTYPE) return 1;
    // Windows reports each typeface once; Wine once per character set. (A
    // set, as asking the list would cost more than the whole enumeration.)
    if (!combo->m_listed.insert(font->lfFaceName).second) return 1;
    const int index = combo->AddString(font->lfFaceName);
    if (index < 0) return 1;
    auto* copy = new (std::nothrow) LOGFONTA(*font);
    if (copy && combo->SetItemData(index, reinterpret_cast<DWORD_PTR>(copy)) == CB_ERR) delete copy;
    return 1;
}

void CFontCombo::FreeItemFonts() {
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const DWORD_PTR data = GetItemData(i);
        if (data != 0 && data != static_cast<DWORD_PTR>(CB_ERR)) delete reinterpret_cast<LOGFONTA*>(data);
        SetItemData(i, 0);
    }
}

int CFontCombo::GetSelectedLogFont(LOGFONTA& font) const {
    const int index = GetCurSel();
    if (index < 0) return CB_ERR;
    const DWORD_PTR data = GetItemData(index);
    if (data != 0 && data != static_cast<DWORD_PTR>(CB_ERR)) font = *reinterpret_cast<const LOGFONTA*>(data);
    return index;
}

void CFontCombo::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    ::SetBkMode(item.hDC, TRANSPARENT);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    CBrush background(selected ? m_highlight : m_window);
    ::FillRect(item.hDC, &rect, background.GetSafeHandle());
    ::SetTextColor(item.hDC, selected ? m_highlightText : m_text);
    if (static_cast<int>(item.itemID) < 0) return;
    const std::string face = GetLBText(static_cast<int>(item.itemID));
    ::DrawTextA(item.hDC, face.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
}
