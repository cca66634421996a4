// The shell trees over folders the test fills in the prefix's Start menu: links,
// shortcuts, subfolders, a hidden file and items that name nothing.
#include "gdi.h"
#include "id_list.h"
#include "resource.h"
#include "resource_reader.h"
#include "key_records.h"
#include "shell_items.h"
#include "shell_tree.h"
#include "wizard_state.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The chooser trees' style as the Customize Keys template gives it.
DWORD TreeStyle() {
    const auto page = driver::LoadDialogTemplate(GetModuleHandleA(nullptr), IDD_CUSTOMIZE_KEYS, 0x0409);
    const driver::DialogItem* tree = page ? page->Find(IDC_ALL_PROGRAMS_TREE) : nullptr;
    EXPECT_TRUE(tree);
    return tree ? tree->style : 0;
}

// A plain window that hands its tree's notices to the tree, as the page does.
class TreeHost {
public:
    TreeHost() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &TreeHost::Proc;
        windowClass.lpszClassName = "RavlenTreeHost";
        RegisterClassA(&windowClass);
        host_ = CreateWindowExA(0, "RavlenTreeHost", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr, nullptr,
                                nullptr, nullptr);
        SetWindowLongPtrA(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        tree_.SubclassWindow(CreateWindowExA(0, WC_TREEVIEWA, "", TreeStyle(), 0, 0, 300, 300, host_,
                                             reinterpret_cast<HMENU>(1024), nullptr, nullptr));
    }
    ~TreeHost() { DestroyWindow(host_); }

    CShellTreeCtrl tree_;
    std::string displayName_, chosenCommand_;
    BOOL named_ = FALSE;
    int resolved_ = 0;
    int namesKept_ = 0;  // names the tree was given to keep

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TreeHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (msg != WM_NOTIFY || !self) return DefWindowProcA(window, msg, wParam, lParam);
        const auto* notify = reinterpret_cast<const NMTREEVIEWA*>(lParam);
        LRESULT result = 1;
        switch (notify->hdr.code) {
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW: {
            self->tree_.OnGetDispInfo(reinterpret_cast<NMHDR*>(lParam));
            const UINT mask = reinterpret_cast<const NMTVDISPINFOA*>(lParam)->item.mask;
            if ((mask & TVIF_TEXT) && (mask & TVIF_DI_SETITEM)) ++self->namesKept_;
            return 0;
        }
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW: self->tree_.OnItemExpanding(notify, &result); return result;
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            self->named_ = self->tree_.ResolveSelection(notify, &result, self->displayName_, self->chosenCommand_);
            ++self->resolved_;
            return result;
        default: return DefWindowProcA(window, msg, wParam, lParam);
        }
    }
    HWND host_ = nullptr;
};

std::vector<HTREEITEM> Children(const CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = tree.GetNextItem(parent, parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD); item;
         item = tree.GetNextItem(item, TVGN_NEXT)) {
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> ChildNames(const CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> names;
    for (HTREEITEM item : Children(tree, parent)) names.push_back(tree.GetItemText(item));
    return names;
}

// The first child with the text, or with a text that starts with it.
HTREEITEM Find(const CTreeCtrl& tree, HTREEITEM parent, const std::string& text, bool prefix = false) {
    for (HTREEITEM item : Children(tree, parent)) {
        const std::string shown = tree.GetItemText(item);
        if (prefix ? shown.rfind(text, 0) == 0 : shown == text) return item;
    }
    return nullptr;
}

TVITEMA Item(const CTreeCtrl& tree, HTREEITEM handle) {
    TVITEMA item = {};
    item.mask = TVIF_STATE | TVIF_CHILDREN | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = handle;
    item.stateMask = 0xFFFF;
    tree.GetItem(item);
    return item;
}

// The top item whose absolute list names the same thing as the special folder.
HTREEITEM FindSpecial(const CTreeCtrl& tree, int csidl) {
    IShellFolder* desktop = nullptr;
    LPITEMIDLIST special = nullptr;
    HTREEITEM found = nullptr;
    if (SUCCEEDED(SHGetDesktopFolder(&desktop)) && SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &special))) {
        for (HTREEITEM item : Children(tree, TVI_ROOT)) {
            const auto* data = reinterpret_cast<const ShellItemData*>(Item(tree, item).lParam);
            if (data && desktop->CompareIDs(0, data->absoluteId, special) == 0) found = item;
        }
    }
    if (special) CoTaskMemFree(special);
    if (desktop) desktop->Release();
    return found;
}

class ShellTreeTest : public ::testing::Test {
protected:
    WizardState state_;  // fresh for each test, as each wizard run has its own
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        folder_ = "Ravlen Tree Test " + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override {
        for (const std::string& path : made_) driver::RemoveTree(path);
        CoUninitialize();
    }
    // A folder of the test's own under a special folder.
    std::string Own(int csidl) {
        const std::string base = driver::SpecialFolderPath(csidl);
        EXPECT_FALSE(base.empty()) << "special folder " << csidl;
        const std::string path = base + "\\" + folder_;
        EXPECT_TRUE(driver::MakeFolders(path)) << path;
        made_.push_back(path);
        return path;
    }
    // Selects an item as a click would; the host resolves the selection.
    void Select(TreeHost& host, HTREEITEM item) {
        const int before = host.resolved_;
        ASSERT_TRUE(host.tree_.SelectItem(item));
        ASSERT_EQ(host.resolved_, before + 1) << "the selection change reached the host";
    }

    std::string folder_;
    std::vector<std::string> made_;
};

const char kTarget[] = "C:\\windows\\notepad.exe";
const char kArguments[] = "/s \"two words\"";

}  // namespace

TEST_F(ShellTreeTest, ProgramsTreeLoadsEachFolderOnceWithTheShellsIcons) {
    const std::string menu = Own(CSIDL_COMMON_STARTMENU);
    ASSERT_TRUE(driver::MakeShellLink(menu + "\\Calculator.lnk", kTarget, kArguments));
    ASSERT_TRUE(driver::MakeShellLink(menu + "\\Abacus.lnk", kTarget, ""));
    ASSERT_TRUE(driver::MakeFolders(menu + "\\Tools\\Sub"));
    ASSERT_TRUE(driver::MakeFile(menu + "\\Tools\\Sub\\deep.txt"));
    ASSERT_TRUE(driver::MakeFile(menu + "\\Tools\\readme.txt"));
    ASSERT_TRUE(driver::MakeFile(menu + "\\secret.txt", true));

    TreeHost host;
    host.tree_.AttachSystemImageList();
    EXPECT_TRUE(host.tree_.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL)) << "the system's small icons";
    host.tree_.FillTree(CSIDL_COMMON_STARTMENU);
    HTREEITEM own = Find(host.tree_, TVI_ROOT, folder_);
    ASSERT_TRUE(own) << "top level holds the test's folder";
    EXPECT_EQ(Item(host.tree_, own).cChildren, 1) << "an expand button before the folder is opened";
    EXPECT_TRUE(Children(host.tree_, own).empty()) << "nothing is loaded ahead";

    // A folder chooses nothing in a programs tree, but its level loads.
    state_.selectedKey = 4;
    keys::SetPendingText(state_.keys[4], "C:\\before.exe", "-b");
    Select(host, own);
    EXPECT_EQ(host.displayName_, "");
    EXPECT_EQ(state_.keys[4].pendingCommand[0], 0) << "the pending choice is cleared";
    EXPECT_EQ(state_.keys[4].pendingParameter[0], 0);
    EXPECT_TRUE(Item(host.tree_, own).state & TVIS_EXPANDEDONCE);
    EXPECT_EQ(ChildNames(host.tree_, own), (std::vector<std::string>{"Tools", "Abacus", "Calculator"}))
        << "sorted by the shell (folders first), hidden file left out";

    HTREEITEM link = Find(host.tree_, own, "Calculator");
    ASSERT_TRUE(link);
    EXPECT_EQ(Item(host.tree_, link).state & TVIS_OVERLAYMASK, INDEXTOOVERLAYMASK(2)) << "the link arrow";

    // Expanded, closed and expanded again: its level is loaded once.
    HTREEITEM tools = Find(host.tree_, own, "Tools");
    ASSERT_TRUE(tools);
    // Each item shows the shell's own small icons, the open one when selected.
    for (HTREEITEM shown : {link, tools}) {
        const TVITEMA item = Item(host.tree_, shown);
        const auto* data = reinterpret_cast<const ShellItemData*>(item.lParam);
        ASSERT_TRUE(data);
        constexpr UINT kSmall = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
        EXPECT_EQ(item.iImage, GetIconIndex(data->absoluteId, kSmall)) << host.tree_.GetItemText(shown);
        EXPECT_EQ(item.iSelectedImage, GetIconIndex(data->absoluteId, kSmall | SHGFI_OPENICON))
            << host.tree_.GetItemText(shown);
    }
    for (int i = 0; i < 2; ++i) {
        host.tree_.SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(tools));
        host.tree_.SendMessage(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(tools));
    }
    NMTREEVIEWA again = {};
    again.itemNew.hItem = tools;
    LRESULT result = 1;
    host.tree_.OnItemExpanding(&again, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ChildNames(host.tree_, tools), (std::vector<std::string>{"Sub", "readme.txt"}));
}

TEST_F(ShellTreeTest, FilesTreeTakesFoldersByPathOrByIdList) {
    TreeHost host;
    host.tree_.FillTree(CSIDL_DESKTOP);
    state_.selectedKey = 1;

    HTREEITEM documents = FindSpecial(host.tree_, CSIDL_PERSONAL);
    ASSERT_TRUE(documents) << "the desktop lists the documents folder";
    Select(host, documents);
    EXPECT_EQ(host.displayName_, host.tree_.GetItemText(documents));
    // Wine's shell ends this folder's path with a backslash; Windows does not.
    std::string path = host.chosenCommand_;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    EXPECT_EQ(path, driver::SpecialFolderPath(CSIDL_PERSONAL));
    EXPECT_EQ(reinterpret_cast<const char*>(state_.keys[1].pendingCommand), host.chosenCommand_);
    EXPECT_EQ(state_.keys[1].pendingLength, 0);

    HTREEITEM computer = FindSpecial(host.tree_, CSIDL_DRIVES);
    ASSERT_TRUE(computer) << "the desktop lists the computer";
    Select(host, computer);
    EXPECT_EQ(host.displayName_, host.tree_.GetItemText(computer));
    EXPECT_EQ(host.chosenCommand_, "") << "a virtual folder has no text command";
    LPITEMIDLIST drives = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives)));
    const UINT size = GetIdListSize(drives);
    const auto* bytes = reinterpret_cast<const BYTE*>(drives);
    EXPECT_EQ(state_.keys[1].pendingType, kActionShellItem);
    EXPECT_EQ(state_.keys[1].pendingLength, static_cast<int>(size));
    EXPECT_EQ(size, static_cast<UINT>(bytes[0] | bytes[1] << 8) + 2) << "one item and the 2-byte terminator";
    EXPECT_EQ(std::memcmp(state_.keys[1].pendingCommand, drives, size), 0);
    CoTaskMemFree(drives);
    // A virtual folder far down the namespace, whose list is longer than a
    // record holds, is no choice either.
    auto* data = reinterpret_cast<ShellItemData*>(Item(host.tree_, computer).lParam);
    std::vector<BYTE> padding;
    for (int i = 0; i < 16; ++i) padding.insert(padding.end(), {18, 0, 0x31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    padding.insert(padding.end(), {0, 0});
    LPITEMIDLIST deepList = ConcatIdLists(reinterpret_cast<LPCITEMIDLIST>(padding.data()), data->relativeId);
    ASSERT_GT(GetIdListSize(deepList), 260u);
    CoTaskMemFree(data->absoluteId);
    data->absoluteId = deepList;
    Select(host, documents);
    keys::SetPendingText(state_.keys[1], "C:\\before.exe", "-b");
    Select(host, computer);
    EXPECT_EQ(host.displayName_, "");
    EXPECT_FALSE(host.named_);
    EXPECT_EQ(state_.keys[1].pendingLength, 0);
    EXPECT_EQ(state_.keys[1].pendingCommand[0], 0);
}

// Each kind of item through the selection step: a link gives its target and
// arguments, a shortcut its address whatever the case of its extension, a
// file its path. An item that yields no command gives no name (so the label
// stays empty and Apply is not offered), and a path is refused rather than
// cut, but split whole however long its folder part.
TEST_F(ShellTreeTest, EachItemNamesOnlyWhatItChooses) {
    const std::string menu = Own(CSIDL_COMMON_STARTMENU);
    // A folder part of 256 bytes after the drive, and a file name that still
    // fits MAX_PATH.
    const std::string deep(256 - menu.size(), 'd');
    const std::string shortFile = menu + "\\" + deep + "\\a";
    ASSERT_EQ(shortFile.size(), 259u);
    ASSERT_TRUE(driver::MakeFolders(menu + "\\" + deep));
    ASSERT_TRUE(driver::MakeFile(shortFile));
    ASSERT_TRUE(driver::MakeFile(menu + "\\Broken.lnk"));
    // A link whose target is gone: it names nothing the daemon could start.
    const std::string gone = menu + "\\gone.exe";
    ASSERT_TRUE(driver::MakeFile(gone));
    ASSERT_TRUE(driver::MakeShellLink(menu + "\\Dangling.lnk", gone.c_str(), "-x"));
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    ASSERT_TRUE(driver::MakeShellLinkToFolder(menu + "\\Computer link.lnk", CSIDL_DRIVES));
    ASSERT_TRUE(driver::MakeShellLink(menu + "\\Long arguments.lnk", kTarget, std::string(300, 'a').c_str()));
    ASSERT_TRUE(driver::MakeFile(menu + "\\No address.url"));
    ASSERT_TRUE(driver::MakeUrlShortcut(menu + "\\Long address.url", "http://example.test/" + std::string(240, 'u')));
    const std::string longName(300 - menu.size() - 5, 'L');
    ASSERT_TRUE(driver::MakeFile(menu + "\\" + longName + ".txt"));
    ASSERT_TRUE(driver::MakeShellLink(menu + "\\Calculator.lnk", kTarget, kArguments));
    ASSERT_TRUE(driver::MakeUrlShortcut(menu + "\\Site.URL", "http://example.test/site"));

    TreeHost host;
    host.tree_.FillTree(CSIDL_COMMON_STARTMENU);
    HTREEITEM own = Find(host.tree_, TVI_ROOT, folder_);
    ASSERT_TRUE(own);
    state_.selectedKey = 2;
    Select(host, own);
    HTREEITEM deepFolder = Find(host.tree_, own, deep);
    ASSERT_TRUE(deepFolder);
    Select(host, deepFolder);

    const struct {
        HTREEITEM item;
        const char* what;
        std::string name;
        std::string command;
        std::string arguments = "";
    } rows[] = {
        {Find(host.tree_, own, "Calculator", true), "a link", "Calculator", kTarget, kArguments},
        {Find(host.tree_, own, "Site", true), "a shortcut", "Site", "http://example.test/site"},
        {Find(host.tree_, deepFolder, "a", true), "a folder part of 256 bytes", "a", shortFile},
        {Find(host.tree_, own, "Broken", true), "a link that cannot be read", "", ""},
        {Find(host.tree_, own, "Dangling", true), "a link whose target is gone", "", ""},
        {Find(host.tree_, own, "Computer link", true), "a link to a virtual folder", "", ""},
        {Find(host.tree_, own, "Long arguments", true), "arguments longer than a field", "", ""},
        {Find(host.tree_, own, "No address", true), "a shortcut without an address", "", ""},
        {Find(host.tree_, own, "Long address", true), "an address one byte longer than a field holds", "", ""},
        {Find(host.tree_, own, "LLLL", true), "a path longer than MAX_PATH", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(row.item) << ChildNames(host.tree_, own).size() << " items";
        keys::SetPendingText(state_.keys[2], "C:\\before.exe", "-b");
        Select(host, row.item);
        EXPECT_EQ(host.displayName_, row.name);
        EXPECT_EQ(host.named_, !row.name.empty()) << "Apply offered";
        EXPECT_EQ(host.chosenCommand_, row.command);
        EXPECT_EQ(reinterpret_cast<const char*>(state_.keys[2].pendingCommand), row.command);
        EXPECT_EQ(state_.keys[2].pendingParameter, row.arguments);
        EXPECT_EQ(state_.keys[2].pendingType, 0);
    }
    // While no key is picked, a selection still names the item but writes nothing.
    state_.selectedKey = -1;
    keys::ClearPending(state_.keys[2]);
    Select(host, rows[1].item);
    EXPECT_EQ(host.displayName_, "Site");
    EXPECT_EQ(state_.keys[2].pendingCommand[0], 0);
}

TEST_F(ShellTreeTest, ALargeLevelOpensNamingOnlyWhatIsShown) {
    const std::string menu = Own(CSIDL_COMMON_STARTMENU);
    constexpr int kFiles = 60;
    for (int i = 0; i < kFiles; ++i) ASSERT_TRUE(driver::MakeFile(menu + "\\file " + std::to_string(100 + i) + ".txt"));

    TreeHost host;
    host.tree_.FillTree(CSIDL_COMMON_STARTMENU);
    HTREEITEM own = Find(host.tree_, TVI_ROOT, folder_);
    ASSERT_TRUE(own);
    const int before = host.namesKept_;
    ASSERT_TRUE(host.tree_.SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(own)));
    EXPECT_LT(host.namesKept_ - before, kFiles / 2) << "opening the level names only rows the tree draws";

    const std::vector<HTREEITEM> files = Children(host.tree_, own);
    ASSERT_EQ(files.size(), static_cast<size_t>(kFiles));
    // A row not drawn yet is measured from its name: a click on it lands on its label.
    RECT label = {};
    HTREEITEM last = files.back();
    std::memcpy(&label, &last, sizeof last);  // the item goes in where the rectangle comes back
    ASSERT_TRUE(host.tree_.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label)));
    const std::string name = host.tree_.GetItemText(files.back());
    EXPECT_EQ(name.rfind("file 159", 0), 0u) << name;
    CClientDC dc(host.tree_.m_hWnd);
    CSelectObject font(dc.get(), reinterpret_cast<HFONT>(host.tree_.SendMessage(WM_GETFONT)));
    SIZE text = {};
    GetTextExtentPoint32A(dc.get(), name.c_str(), static_cast<int>(name.size()), &text);
    EXPECT_GE(label.right - label.left, text.cx) << "the label is as wide as the name";
}

TEST(IdLists, SizesAndJoins) {
    EXPECT_EQ(GetIdListSize(nullptr), 0u);
    const BYTE empty[2] = {0, 0};
    EXPECT_EQ(GetIdListSize(reinterpret_cast<LPCITEMIDLIST>(empty)), 2u);
    const BYTE a[] = {4, 0, 'a', 'b', 0, 0};
    const BYTE b[] = {3, 0, 'c', 5, 0, 'd', 'e', 'f', 0, 0};
    LPITEMIDLIST joined =
        ConcatIdLists(reinterpret_cast<LPCITEMIDLIST>(a), reinterpret_cast<LPCITEMIDLIST>(b));
    ASSERT_TRUE(joined);
    const BYTE expected[] = {4, 0, 'a', 'b', 3, 0, 'c', 5, 0, 'd', 'e', 'f', 0, 0};
    EXPECT_EQ(GetIdListSize(joined), sizeof expected);
    EXPECT_EQ(std::memcmp(joined, expected, sizeof expected), 0);
    CoTaskMemFree(joined);
    LPITEMIDLIST alone = ConcatIdLists(nullptr, reinterpret_cast<LPCITEMIDLIST>(a));
    ASSERT_TRUE(alone);
    EXPECT_EQ(std::memcmp(alone, a, sizeof a), 0);
    CoTaskMemFree(alone);
}
