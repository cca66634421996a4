#include "color_combo.h"

#include "gdi.h"

CColorCombo::CColorCombo()
    : Palette{RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
              RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
              RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
              RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)} {}

void CColorCombo::PreSubclassWindow() {
    for (size_t i = 0; i < Palette.size(); ++i) AddString("");
    SetCurSel(0);
}

int CColorCombo::GetSelectedColor(COLORREF& color) const {
    const int index = GetCurSel();
    if (index < 0 || index >= static_cast<int>(Palette.size())) return CB_ERR;
    color = Palette[static_cast<size_t>(index)];
    return index;
}

void CColorCombo::DrawItem(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < static_cast<int>(Palette.size())) {
        RECT swatch = item.rcItem;
        ::InflateRect(&swatch, -2, -2);
        CBrush colour(Palette[static_cast<size_t>(index)]);
        ::FillRect(item.hDC, &swatch, colour.GetSafeHandle());
        if (item.itemState & ODS_SELECTED) ::DrawFocusRect(item.hDC, &swatch);
    } else {
        // No selection: the closed combo shows an empty field in the window
        // colour, so that no colour seems chosen (any swatch would claim one).
        ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    }
    CBrush black(RGB(0, 0, 0));
    ::FrameRect(item.hDC, &item.rcItem, black.GetSafeHandle());
}
