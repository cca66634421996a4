#include "shell_tree.h"

#include "DormexUtil.h"
#include "com_ptr.h"
#include "id_list.h"
#include "key_records.h"
#include "shell_names.h"
#include "wizard_state.h"

#include <shellapi.h>

#include <new>

using dormex::ComPtr;

namespace {

constexpr UINT kItemIcon = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
constexpr UINT kLinkOverlay = INDEXTOOVERLAYMASK(2);

int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM) {
    const auto* a = reinterpret_cast<const ShellItemData*>(first);
    const auto* b = reinterpret_cast<const ShellItemData*>(second);
    if (!a || !b) return 0;
    const HRESULT hr = a->parentFolder->CompareIDs(0, a->relativeId, b->relativeId);
    if (FAILED(hr)) return 0;
    return static_cast<short>(HRESULT_CODE(hr));
}

ShellItemData* ItemData(const CTreeCtrl& tree, HTREEITEM item) {
    TVITEMA query = {};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!tree.GetItem(query)) return nullptr;
    return reinterpret_cast<ShellItemData*>(query.lParam);
}

}  // namespace

CShellTreeCtrl::~CShellTreeCtrl() { ReleaseItems(); }

void CShellTreeCtrl::ReleaseItems() {
    ComPtr<IMalloc> malloc;
    if (m_items.empty() || FAILED(::SHGetMalloc(malloc.put()))) return;
    for (ShellItemData* data : m_items) {
        malloc->Free(data->relativeId);
        malloc->Free(data->absoluteId);
        data->~ShellItemData();
        malloc->Free(data);
    }
    m_items.clear();
}

void CShellTreeCtrl::AttachSystemImageList() {
    SHFILEINFOA info = {};
    // The shell owns the system list; the tree only shows it.
    auto list = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(nullptr, 0, &info, sizeof info, kItemIcon));
    if (!list) {
        // Some shells give the list only for a real path: ask for the
        // Windows folder's icon, which comes from the same list.
        char windows[MAX_PATH] = {};
        if (::GetWindowsDirectoryA(windows, MAX_PATH)) {
            list = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(windows, 0, &info, sizeof info, kItemIcon));
        }
    }
    if (list) SetImageList(list, TVSIL_NORMAL);
}

void CShellTreeCtrl::FillTree(int csidl) {
    ComPtr<IShellFolder> desktop;
    if (SUCCEEDED(::SHGetDesktopFolder(desktop.put()))) {
        DeleteAllItems();
        ReleaseItems();
        LPITEMIDLIST root = nullptr;
        if (SUCCEEDED(::SHGetSpecialFolderLocation(m_hWnd, csidl, &root)) && root) {
            m_rootFolder = csidl;
            ComPtr<IShellFolder> folder;
            if (SUCCEEDED(desktop->BindToObject(root, nullptr, IID_IShellFolder, folder.put_void())) && folder) {
                FillSorted(folder.get(), root, TVI_ROOT);
            } else {
                FillSorted(desktop.get(), nullptr, TVI_ROOT);
            }
            ::CoTaskMemFree(root);
        } else {
            FillSorted(desktop.get(), nullptr, TVI_ROOT);
        }
    }
}

void CShellTreeCtrl::FillSorted(IShellFolder* folder, LPCITEMIDLIST folderList, HTREEITEM parent) {
    // The top level is shown as it fills: with redrawing held off the tree
    // lays it out once instead of once per item. A folder's level is filled
    // while the folder is closed, where an item costs the tree no layout; and
    // redrawing turned back on makes some trees measure the name of every
    // item of every open level, thousands of names asked of the shell.
    const bool topLevel = parent == TVI_ROOT;
    if (topLevel) SendMessage(WM_SETREDRAW, FALSE, 0);
    FillChildren(folder, folderList, parent);
    SortChildren(parent);
    if (topLevel) SendMessage(WM_SETREDRAW, TRUE, 0);
}

void CShellTreeCtrl::FillChildren(IShellFolder* folder, LPCITEMIDLIST folderList, HTREEITEM parent) {
    ComPtr<IMalloc> malloc;
    if (FAILED(::SHGetMalloc(malloc.put()))) return;
    ComPtr<IEnumIDList> items;
    if (folder->EnumObjects(GetParent(), SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.put()) != S_OK || !items) {
        return;
    }
    LPITEMIDLIST id = nullptr;
    while (items->Next(1, &id, nullptr) == S_OK) {
        // The identifier is freed on every way out of this turn.
        struct FreeId {
            IMalloc* malloc;
            LPITEMIDLIST id;
            ~FreeId() { malloc->Free(id); }
        } freeId{malloc.get(), id};

        ULONG attributes = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_LINK;
        LPCITEMIDLIST one = id;
        if (FAILED(folder->GetAttributesOf(1, &one, &attributes))) attributes = 0;
        if (!(attributes & (SFGAO_FILESYSTEM | SFGAO_FOLDER))) continue;

        // The name and icons are asked for when the tree shows the item: a
        // large folder is listed in about the time the shell takes to list it.
        TVINSERTSTRUCTA insert = {};
        TVITEMA& item = insert.item;
        item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        item.pszText = LPSTR_TEXTCALLBACK;
        item.iImage = I_IMAGECALLBACK;
        item.iSelectedImage = I_IMAGECALLBACK;
        if (attributes & SFGAO_HASSUBFOLDER) {
            item.mask |= TVIF_CHILDREN;
            item.cChildren = 1;
        }
        void* memory = malloc->Alloc(sizeof(ShellItemData));
        if (!memory) break;
        auto* data = new (memory) ShellItemData{};
        data->relativeId = CopyItemId(malloc.get(), id);
        data->parentFolder.Assign(folder);
        data->absoluteId = ConcatIdLists(folderList, id);
        m_items.push_back(data);
        item.lParam = reinterpret_cast<LPARAM>(data);

        if (attributes & SFGAO_LINK) {
            item.mask |= TVIF_STATE;
            item.state = kLinkOverlay;
            item.stateMask = TVIS_OVERLAYMASK;
        }
        insert.hParent = parent;
        // In the shell's listing order, sorted below. Naming the item before
        // has some trees look it up among all their items.
        insert.hInsertAfter = TVI_LAST;
        InsertItem(insert);
    }
}

void CShellTreeCtrl::FindIcons(ShellItemData& data) {
    if (data.iconsKnown) return;
    m_icons.LookUp(data.parentFolder.get(), data.relativeId, data.absoluteId, data.image, data.openImage);
    data.iconsKnown = true;
}

bool CShellTreeCtrl::LayingOut(const NMTVDISPINFOA& info) const {
    const auto* data = reinterpret_cast<const ShellItemData*>(info.item.lParam);
    return m_layoutFolder && data->parentFolder.get() == m_layoutFolder && info.item.hItem != m_layoutSelection;
}

void CShellTreeCtrl::OnGetDispInfo(NMHDR* notify) {
    // The two forms differ only in the text's width; the fields read first lie alike.
    auto& info = *reinterpret_cast<NMTVDISPINFOA*>(notify);
    auto& item = info.item;
    auto* data = reinterpret_cast<ShellItemData*>(item.lParam);
    if (!data || !data->parentFolder || !data->relativeId) return;
    if (item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) {
        FindIcons(*data);
        item.iImage = data->image;
        item.iSelectedImage = data->openImage;
    }
    // A tree that measures a whole level as it opens it gets no names from
    // the shell then, and none kept: it asks again for each item it draws,
    // so only the rows shown are named.
    const bool layingOut = LayingOut(info);
    if ((item.mask & TVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        char name[MAX_PATH] = {};
        if (!layingOut) GetDisplayName(data->parentFolder.get(), data->relativeId, SHGDN_NORMAL, name);
        if (notify->code == TVN_GETDISPINFOW) {
            auto* wide = reinterpret_cast<NMTVDISPINFOW*>(notify)->item.pszText;
            if (!::MultiByteToWideChar(CP_ACP, 0, name, -1, wide, item.cchTextMax)) wide[0] = L'\0';
            wide[item.cchTextMax - 1] = L'\0';
        } else {
            ::lstrcpynA(item.pszText, name, item.cchTextMax);
        }
    }
    if (!layingOut) item.mask |= TVIF_DI_SETITEM;
}

void CShellTreeCtrl::SortChildren(HTREEITEM parent) const {
    TVSORTCB sort = {};
    sort.hParent = parent;
    sort.lpfnCompare = CompareItems;
    SortChildrenCB(sort);
}

bool CShellTreeCtrl::Loaded(HTREEITEM item) const {
    TVITEMA state = {};
    state.mask = TVIF_STATE;
    state.hItem = item;
    state.stateMask = TVIS_EXPANDEDONCE;
    return GetItem(state) && (state.state & TVIS_EXPANDEDONCE);
}

void CShellTreeCtrl::OnItemExpanding(const NMTREEVIEWA* notify, LRESULT* result) {
    *result = 0;
    const HTREEITEM item = notify->itemNew.hItem;
    ShellItemData* data = ItemData(*this, item);
    if (!data || !data->parentFolder || !data->relativeId) return;
    // The tree sets the mark itself once this expansion is done.
    bool filled = false;
    if (!Loaded(item)) {
        ComPtr<IShellFolder> folder;
        if (SUCCEEDED(data->parentFolder->BindToObject(data->relativeId, nullptr, IID_IShellFolder,
                                                       folder.put_void())) &&
            folder) {
            FillSorted(folder.get(), data->absoluteId, item);
            filled = true;
        }
    }
    if (!filled) SortChildren(item);
    // The tree lays out the level it opens before it draws any of it.
    const HTREEITEM firstChild = GetNextItem(item, TVGN_CHILD);
    const ShellItemData* first = firstChild ? ItemData(*this, firstChild) : nullptr;
    if (m_openingDepth > 0 && (notify->action & (TVE_EXPAND | TVE_COLLAPSE)) == TVE_EXPAND && first) {
        m_layoutFolder = first->parentFolder.get();
        m_layoutSelection = GetSelectedItem();
    }
}

void CShellTreeCtrl::OnItemExpanded() { m_layoutFolder = nullptr; }

void CShellTreeCtrl::NameNow(HTREEITEM item) const {
    if (item) GetItemText(item);
}

void CShellTreeCtrl::NameAt(POINT point) {
    TVHITTESTINFO hit = {};
    hit.pt = point;
    NameNow(reinterpret_cast<HTREEITEM>(DefWindowProc(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
}

bool CShellTreeCtrl::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case TVM_GETITEMRECT:
        // The item is named in the rectangle's place; its text's width is asked.
        if (wParam && lParam) NameNow(*reinterpret_cast<const HTREEITEM*>(lParam));
        return false;
    case TVM_HITTEST:
        if (lParam) NameAt(reinterpret_cast<const TVHITTESTINFO*>(lParam)->pt);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        // A click can come before the paint that names a row the tree just
        // showed: whether it falls on the label is measured from the name.
        NameAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        if (msg == WM_RBUTTONDOWN) return false;
        break;
    }
    case TVM_EXPAND:
    case TVM_ENSUREVISIBLE:
    case TVM_SELECTITEM:
    case WM_KEYDOWN:
        break;
    default:
        return false;
    }
    // These may open a level; the level's laying out ends with them at the latest.
    ++m_openingDepth;
    result = DefWindowProc(msg, wParam, lParam);
    if (--m_openingDepth == 0) m_layoutFolder = nullptr;
    return true;
}

BOOL CShellTreeCtrl::ResolveSelection(const NMTREEVIEWA*, LRESULT* result, std::string& displayName,
                                      std::string& chosenCommand) {
    *result = 0;
    chosenCommand.clear();
    displayName.clear();
    HTREEITEM selected = GetSelectedItem();
    ShellItemData* data = selected ? ItemData(*this, selected) : nullptr;
    if (!data || !data->parentFolder || !data->relativeId) return FALSE;

    // Only the selected key's record is written, and none while no key is picked.
    KeyAssignment* key = WizardState::Current().SelectedKey();
    ComPtr<IShellFolder> folder;
    const bool isFolder =
        SUCCEEDED(data->parentFolder->BindToObject(data->relativeId, nullptr, IID_IShellFolder, folder.put_void())) &&
        folder;
    if (key) keys::ClearPending(*key);

    BOOL named = FALSE;
    if (isFolder) {
        ULONG attributes = SFGAO_FILESYSTEM;
        LPCITEMIDLIST one = data->relativeId;
        if (FAILED(data->parentFolder->GetAttributesOf(1, &one, &attributes))) attributes = 0;
        if (m_rootFolder == CSIDL_DESKTOP) named = ResolveFolder(*data, attributes, key, chosenCommand);
        if (named) displayName = GetItemText(selected);
        TVITEMA children = {};
        children.mask = TVIF_CHILDREN;
        children.hItem = selected;
        GetItem(children);
        if (children.cChildren == 1 && !Loaded(selected)) {
            FillSorted(folder.get(), data->absoluteId, selected);
            // Marked as loaded, so that a later expansion does not fill it twice.
            TVITEMA mark = {};
            mark.mask = TVIF_STATE;
            mark.hItem = selected;
            mark.state = mark.stateMask = TVIS_EXPANDEDONCE;
            SetItem(mark);
        }
        return named;
    }

    // A parsing path that does not fit is refused whole: cut, it names another
    // file, or loses the extension that says what the file is. Some shells
    // cut a long one themselves; a whole one ends in the item's own name.
    std::string path;
    std::string ownName;
    if (!GetFullDisplayName(data->parentFolder.get(), data->relativeId, SHGDN_FORPARSING, path) ||
        path.size() >= MAX_PATH) {
        return FALSE;
    }
    if (GetFullDisplayName(data->parentFolder.get(), data->relativeId, SHGDN_INFOLDER | SHGDN_FORPARSING, ownName) &&
        (ownName.size() > path.size() || path.compare(path.size() - ownName.size(), ownName.size(), ownName) != 0)) {
        return FALSE;
    }
    std::string command;
    std::string arguments;
    if (HasExtension(path.c_str(), ".url")) {
        char address[MAX_PATH] = {};
        ReadUrlShortcut(path.c_str(), address, sizeof address);
        command = address;
    } else if (HasExtension(path.c_str(), ".lnk")) {
        char target[MAX_PATH] = {};
        char linkArguments[MAX_PATH] = {};
        GetLinkInfoEx(m_hWnd, path.c_str(), target, linkArguments, 0);
        command = target;
        arguments = linkArguments;
    } else {
        command = path;
    }
    // An item that yields no command gives no name either, so that the label
    // stays empty and no key is named after a choice that saves nothing.
    if (command.empty()) return FALSE;
    chosenCommand = command;
    if (key) keys::SetPendingText(*key, command.c_str(), arguments.c_str());
    CPathSplitter splitter;
    splitter.SetPath(path.c_str());
    displayName = splitter.GetBaseName();
    return TRUE;
}

bool CShellTreeCtrl::ResolveFolder(const ShellItemData& data, ULONG attributes, KeyAssignment* key,
                                   std::string& chosenCommand) {
    // A folder named without a command would show a name that Finish never
    // saves: the failure rule (no name) wins over naming every folder.
    if (attributes & SFGAO_FILESYSTEM) {
        char path[MAX_PATH] = {};
        if (!::SHGetPathFromIDListA(data.absoluteId, path) || !path[0]) return false;
        chosenCommand = path;
        if (key) keys::SetPendingText(*key, path);
        return true;
    }
    const UINT size = GetIdListSize(data.absoluteId);
    // A list longer than the record holds is refused, never cut.
    if (size == 0 || size > kFieldSize) return false;
    if (key) keys::SetPendingIdList(*key, reinterpret_cast<const BYTE*>(data.absoluteId), static_cast<int>(size));
    return true;
}
