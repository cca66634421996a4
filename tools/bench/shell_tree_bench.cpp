// shell_tree_bench.exe: times the files tree showing a folder of 5 000 files
// when it is expanded, as the Customize Keys page does it, and splits the
// time into the shell's part and the tree's.
#include "id_list.h"
#include "shell_names.h"
#include "shell_tree.h"
#include "stopwatch.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int kFiles = 5000;  // a first argument sets another count
// The level is opened once to fill the caches, then timed three times; the
// shell's enumeration is timed as often.
constexpr int kRuns = 3;

constexpr char kFolderName[] = "Ravlen Bench 5000";

std::string BenchFolder(const char* name) {
    char documents[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, TRUE)) return {};
    return std::string(documents) + "\\" + name;
}

bool MakeFiles(const std::string& folder, int count) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\file %04d.txt", i);
        std::ofstream file(folder + name);
        if (!file) return false;
    }
    return true;
}

void RemoveFiles(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\file %04d.txt", i);
        DeleteFileA((folder + name).c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

HTREEITEM FindTop(const CTreeCtrl& tree, const char* text) {
    for (HTREEITEM item = tree.GetNextItem(nullptr, TVGN_ROOT); item; item = tree.GetNextItem(item, TVGN_NEXT)) {
        if (tree.GetItemText(item) == text) return item;
    }
    return nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The shell's share alone, without a tree: enumerating the folder's
// identifier lists, then each item's name, and each item's two icons looked
// up as the tree does.
struct ShellShare {
    double enumerateMs = 0;
    double namesMs = 0;
    double iconsMs = 0;
};

// The tree's parent hands the tree's notices to it, as the page does, and
// times the loading of the level the tree opens.
CShellTreeCtrl* hostedTree = nullptr;
double loadMs = 0;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY && hostedTree) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const auto* notify = reinterpret_cast<const NMTREEVIEWA*>(lParam);
        LRESULT result = 0;
        switch (header->code) {
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW:
            hostedTree->OnGetDispInfo(header);
            return 0;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW: {
            Stopwatch load;
            hostedTree->OnItemExpanding(notify, &result);
            loadMs = load.ElapsedMs();
            return result;
        }
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW:
            hostedTree->OnItemExpanded();
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

ShellShare MeasureShellShare(const std::string& folder) {
    ShellShare share;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return share;
    std::wstring wide(folder.begin(), folder.end());
    LPITEMIDLIST list = nullptr;
    IShellFolder* shellFolder = nullptr;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &list, nullptr)) &&
        SUCCEEDED(desktop->BindToObject(list, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&shellFolder)))) {
        std::vector<LPITEMIDLIST> ids;
        std::vector<double> enumerations;
        for (int run = 0; run < kRuns; ++run) {
            for (LPITEMIDLIST id : ids) CoTaskMemFree(id);
            ids.clear();
            Stopwatch enumerate;
            IEnumIDList* items = nullptr;
            if (shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items) == S_OK) {
                LPITEMIDLIST id = nullptr;
                while (items->Next(1, &id, nullptr) == S_OK) ids.push_back(id);
                items->Release();
            }
            enumerations.push_back(enumerate.ElapsedMs());
        }
        share.enumerateMs = Median(enumerations);
        Stopwatch names;
        for (LPITEMIDLIST id : ids) {
            char name[MAX_PATH];
            GetDisplayName(shellFolder, id, SHGDN_NORMAL, name);
        }
        share.namesMs = names.ElapsedMs();
        Stopwatch icons;
        IconIndexCache cache;
        for (LPITEMIDLIST id : ids) {
            LPITEMIDLIST absolute = ConcatIdLists(list, id);
            int image = 0, openImage = 0;
            cache.LookUp(shellFolder, id, absolute, image, openImage);
            CoTaskMemFree(absolute);
        }
        share.iconsMs = icons.ElapsedMs();
        for (LPITEMIDLIST id : ids) CoTaskMemFree(id);
        shellFolder->Release();
    }
    if (list) CoTaskMemFree(list);
    desktop->Release();
    return share;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) kFiles = std::max(1, std::atoi(argv[1]));
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string folder = BenchFolder(kFolderName);
    if (folder.empty() || !MakeFiles(folder, kFiles)) {
        std::printf("shell tree: not measured: cannot make %d files in %s\n", kFiles, folder.c_str());
        return 1;
    }

    WNDCLASSA hostClass = {};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = "RavlenBenchTreeHost";
    RegisterClassA(&hostClass);
    HWND host = CreateWindowExA(0, hostClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HWND window = CreateWindowExA(0, WC_TREEVIEWA, "", 0x50810007, 0, 0, 400, 300, host, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    std::vector<double> fill, show, total, sort;
    bool ok = true;
    {
        CShellTreeCtrl tree;
        tree.SubclassWindow(window);
        hostedTree = &tree;
        tree.AttachSystemImageList();
        for (int run = 0; run <= kRuns && ok; ++run) {
            tree.FillTree(CSIDL_PERSONAL);
            HTREEITEM item = FindTop(tree, kFolderName);
            if (!item) {
                ok = false;
                break;
            }
            // The tree opening the folder, the page loading its level on the
            // way, then the level painted.
            loadMs = 0;
            Stopwatch clock;
            tree.SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
            tree.SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            const double shown = clock.ElapsedMs();
            const double filled = loadMs;
            // An expansion of a loaded level only sorts it again: the sort's share.
            NMTREEVIEWA notify = {};
            notify.hdr.hwndFrom = window;
            notify.hdr.code = TVN_ITEMEXPANDINGA;
            notify.action = TVE_EXPAND;
            notify.itemNew.hItem = item;
            LRESULT result = 0;
            Stopwatch sortClock;
            tree.OnItemExpanding(&notify, &result);
            const double sorted = sortClock.ElapsedMs();
            // The first run fills the shell's caches and is not counted.
            if (run == 0) continue;
            sort.push_back(sorted);
            fill.push_back(filled);
            show.push_back(shown - filled);
            total.push_back(shown);
        }
        hostedTree = nullptr;
        tree.UnsubclassWindow();
    }
    DestroyWindow(host);
    const ShellShare shell = ok ? MeasureShellShare(folder) : ShellShare{};
    RemoveFiles(folder, kFiles);
    CoUninitialize();
    if (!ok) {
        std::printf("shell tree: not measured: the files tree does not list %s\n", kFolderName);
        return 1;
    }
    std::printf("shell tree: a folder of %d files expanded and shown in %.1f ms, median of %d "
                "(goal under 300 ms: %s)\n",
                kFiles, Median(total), static_cast<int>(total.size()), Median(total) < 300 ? "met" : "NOT met");
    std::printf("            loading the level %.1f ms, opening and painting it %.1f ms\n", Median(fill),
                Median(show));
    const double ratio = shell.enumerateMs > 0 ? Median(total) / shell.enumerateMs : 0;
    std::printf("            the shell enumerating the folder's identifier lists takes %.1f ms: ratio %.2f "
                "(goal 1.5: %s)\n",
                shell.enumerateMs, ratio, ratio > 0 && ratio <= 1.5 ? "met" : "NOT met");
    std::printf("            the shell naming every file takes %.1f ms more and placing their two icons each %.1f ms; "
                "sorting the level by the shell's order %.1f ms\n",
                shell.namesMs, shell.iconsMs, Median(sort));
    return 0;
}
