// CComboBox: a combo box of a dialog, bound by subclassing, with the list
// messages as members. An owner-drawn one draws its items in DrawItem, which
// the parent's WM_DRAWITEM reaches.
#pragma once

#include "wnd.h"

#include <string>

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // The selected item, CB_ERR (-1) for none.
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // Selects index; an index outside the list leaves none selected and gives
    // CB_ERR. (Wine keeps the old selection for an index past the end, which
    // Windows clears; -1 clears it on both.)
    int SetCurSel(int index) {
        if (index < 0 || index >= GetCount()) {
            SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
            return CB_ERR;
        }
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int AddString(LPCSTR text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // The first item after startAfter (wrapping round) whose text begins with
    // prefix, without regard to case; CB_ERR when none does.
    int FindString(int startAfter, LPCSTR prefix) const {
        return static_cast<int>(
            SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(prefix)));
    }
    int FindStringExact(int startAfter, LPCSTR text) const {
        return static_cast<int>(
            SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(text)));
    }
    // An item's text; empty for an index outside the list.
    std::string GetLBText(int index) const;
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }

    // Draws one item (or the closed combo's field, itemID -1) of an owner-drawn combo.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}

protected:
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// CStatic: a static control of a dialog, bound by subclassing.
class CStatic : public CWnd {};
