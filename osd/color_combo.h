// CColorCombo: a drop-down list of 16 colour swatches. The items carry empty
// strings; item i shows Palette[i], so the sorted style keeps the mapping.
#pragma once

#include "combo_box.h"

#include <vector>

class CColorCombo : public CComboBox {
public:
    CColorCombo();

    // The selected index with its colour put into color; -1 (CB_ERR) with
    // color untouched when nothing is selected.
    int GetSelectedColor(COLORREF& color) const;

    // A swatch 2 pixels inside the item in the item's colour, a focus
    // rectangle on it when selected, and a black frame round the item.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    std::vector<COLORREF> Palette;

protected:
    // Adds the 16 items and selects the first.
    void PreSubclassWindow() override;
};
