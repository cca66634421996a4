// CShellTreeCtrl: a tree view over the shell namespace from one special
// folder, loaded one level at a time as folders are opened or selected, whose
// selection becomes the selected key's pending choice.
#pragma once

#include "com_ptr.h"
#include "key_assignment.h"
#include "shell_names.h"
#include "tree_ctrl.h"

#include <shlobj.h>

#include <string>
#include <vector>

// The data of every tree item, made in memory from the shell allocator.
struct ShellItemData {
    dormex::ComPtr<IShellFolder> parentFolder;
    LPITEMIDLIST relativeId;     // the item's identifier, terminated
    LPITEMIDLIST absoluteId;     // from the desktop
    bool iconsKnown = false;     // the two icons below were asked of the shell
    int image = 0;
    int openImage = 0;
};

class CShellTreeCtrl : public CTreeCtrl {
public:
    ~CShellTreeCtrl() override;

    // The system's small icons as the tree's images.
    void AttachSystemImageList();
    // Empties the tree and fills its top level from a special folder, or from
    // the desktop when that folder cannot be reached.
    void FillTree(int csidl);
    // Inserts the folder's contents under parent (TVI_ROOT for the top level).
    void FillChildren(IShellFolder* folder, LPCITEMIDLIST folderList, HTREEITEM parent);
    // TVN_GETDISPINFO (either form): an item's name and icons, asked of the
    // shell only when the tree first needs them, and kept in the item.
    void OnGetDispInfo(NMHDR* notify);
    // TVN_ITEMEXPANDING: loads the item's children the first time.
    void OnItemExpanding(const NMTREEVIEWA* notify, LRESULT* result);
    // TVN_ITEMEXPANDED: the opened level is laid out; its names are given again.
    void OnItemExpanded();
    // TVN_SELCHANGED: turns the selection into the selected key's pending
    // choice; fills the display name for the label and the chosen command.
    // TRUE when a display name was produced.
    BOOL ResolveSelection(const NMTREEVIEWA* notify, LRESULT* result, std::string& displayName,
                          std::string& chosenCommand);

    // The CSIDL the tree was filled from; -1 until it was located. Folders
    // are a choice only in the tree of the desktop (0).
    int m_rootFolder = -1;

protected:
    // Brackets the tree's own handling of the messages that open levels, and
    // names an item before the tree measures it for a point or a rectangle.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // A folder of the files tree as the pending choice: its path, or its
    // identifier list when it has none. False when it yields no command.
    bool ResolveFolder(const ShellItemData& data, ULONG attributes, KeyAssignment* key, std::string& chosenCommand);
    void SortChildren(HTREEITEM parent) const;
    // Fills and sorts a level; the top level with the tree's redrawing held off.
    void FillSorted(IShellFolder* folder, LPCITEMIDLIST folderList, HTREEITEM parent);
    void FindIcons(ShellItemData& data);
    // Whether a name asked for now is only measured for a level being laid out.
    bool LayingOut(const NMTVDISPINFOA& info) const;
    // Has the tree ask for the item's name now if it holds none yet, so that
    // its width is measured from the name.
    void NameNow(HTREEITEM item) const;
    // Names the item at a point of the tree's client area, if there is one.
    void NameAt(POINT point);
    void ReleaseItems();
    // Whether the item's children were loaded (TVIS_EXPANDEDONCE).
    bool Loaded(HTREEITEM item) const;

    // Every item's data, released together when the tree is refilled or goes.
    std::vector<ShellItemData*> m_items;
    IconIndexCache m_icons;
    // The folder of the level the tree is laying out after opening it, the
    // selected item then (named in any case: the choice shows its name), and
    // how deep the tree is in the messages that open levels. Outside those the
    // level is never taken as being laid out.
    IShellFolder* m_layoutFolder = nullptr;
    HTREEITEM m_layoutSelection = nullptr;
    int m_openingDepth = 0;
};
