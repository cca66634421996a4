// CTreeCtrl: a tree view control made by a dialog template and bound to this
// object, with the few tree messages the pages use.
#pragma once

#include "wnd.h"

#include <commctrl.h>

#include <string>

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(const TVINSERTSTRUCTA& insert) const {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    BOOL GetItem(TVITEMA& item) const {
        return static_cast<BOOL>(SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    // The item's text, up to MAX_PATH - 1 characters.
    std::string GetItemText(HTREEITEM handle) const {
        char text[MAX_PATH] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = handle;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        GetItem(item);
        return text;
    }
    BOOL SetItem(const TVITEMA& item) const {
        return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL DeleteAllItems() const {
        return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    // item null: no item selected.
    BOOL SelectItem(HTREEITEM item) const {
        return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SortChildrenCB(const TVSORTCB& sort) const {
        return static_cast<BOOL>(SendMessage(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort)));
    }
    // The tree does not own the list: the caller keeps it alive.
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which),
                                                        reinterpret_cast<LPARAM>(list)));
    }
};
