#include "tree_view.h"

#include "input.h"
#include "remote_memory.h"
#include "unique_handle.h"

#include <cstring>

namespace driver {
namespace {

constexpr UINT kAnswerMs = 5000;

LRESULT Ask(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(tree, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &answer)) return 0;
    return static_cast<LRESULT>(answer);
}

UniqueHandle OpenTreeProcess(HWND tree) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    return UniqueHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
}

struct ItemBlock {
    TVITEMA item;
    char text[MAX_PATH];
};

// remote holds an ItemBlock in the tree's process. One block serves a whole
// search: under Wine each allocation in another process is carried out by
// that process's own threads, a call best made seldom.
std::string ItemText(HWND tree, HANDLE process, const RemoteMemory& remote, HTREEITEM item) {
    using Block = ItemBlock;
    auto* there = static_cast<Block*>(remote.get());
    Block block = {};
    block.item.mask = TVIF_TEXT;
    block.item.hItem = item;
    block.item.pszText = there->text;
    block.item.cchTextMax = MAX_PATH;
    if (!WriteProcessMemory(process, there, &block, sizeof block, nullptr)) return {};
    if (!Ask(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(there))) return {};
    if (!ReadProcessMemory(process, there, &block, sizeof block, nullptr)) return {};
    block.text[MAX_PATH - 1] = '\0';
    return block.text;
}

}  // namespace

HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text) {
    UniqueHandle process = OpenTreeProcess(tree);
    if (!process) return nullptr;
    RemoteMemory remote(process.get(), sizeof(ItemBlock));
    if (!remote.get()) return nullptr;
    const UINT first = parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD;
    auto item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, first, reinterpret_cast<LPARAM>(parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                        reinterpret_cast<LPARAM>(item)))) {
        if (ItemText(tree, process.get(), remote, item) == text) return item;
    }
    return nullptr;
}

std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item) {
    UniqueHandle process = OpenTreeProcess(tree);
    if (!process) return std::nullopt;
    RemoteMemory remote(process.get(), sizeof(RECT));
    if (!remote.get()) return std::nullopt;
    // The message takes the item in the rectangle it fills.
    RECT rect = {};
    static_assert(sizeof(HTREEITEM) <= sizeof(RECT));
    std::memcpy(&rect, &item, sizeof item);
    if (!WriteProcessMemory(process.get(), remote.get(), &rect, sizeof rect, nullptr)) return std::nullopt;
    if (!Ask(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote.get()))) return std::nullopt;
    if (!ReadProcessMemory(process.get(), remote.get(), &rect, sizeof rect, nullptr)) return std::nullopt;
    return rect;
}

bool ClickTreeItem(HWND tree, HTREEITEM item) {
    Ask(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    const std::optional<RECT> rect = TreeItemRect(tree, item);
    if (!rect) return false;
    ClickAt(tree, {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2});
    return true;
}

HTREEITEM SelectedTreeItem(HWND tree) {
    return reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

}  // namespace driver
