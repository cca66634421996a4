// CFontCombo: a drop-down list of the installed TrueType faces. Each item is
// a face name with a heap copy of its LOGFONT as item data, owned by the
// control and freed when the list is emptied or the window is destroyed.
#pragma once

#include "combo_box.h"

#include <set>
#include <string>

// Sent to the control to rebuild its list (returns 0).
constexpr UINT UM_FILLFONTS = WM_USER + 123;

class CFontCombo : public CComboBox {
public:
    CFontCombo();
    ~CFontCombo() override;

    // Rebuilds the list before returning.
    void RefillFonts() { SendMessage(UM_FILLFONTS); }
    // The selected index with the item's whole LOGFONT copied into font; -1
    // with font untouched when nothing is selected.
    int GetSelectedLogFont(LOGFONTA& font) const;

    // The face name in the combo's own font, highlighted when selected; the
    // empty selection (itemID -1) gets the background only.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    // The enumeration's callback: lists a face reported as TrueType alone
    // (type exactly 4) in the combo given as param, once. Always goes on.
    static int CALLBACK AddFace(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM param);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FillFonts();
    void FreeItemFonts();

    std::set<std::string> m_listed;  // the faces in the list
    // Taken once when the control is made.
    COLORREF m_highlight, m_text, m_highlightText, m_window;
};
