// Another program's windows, read and worked as a person does: what they show,
// combo boxes, tree views, input through the system's queue, screenshots.
#include "window_query.h"

#include "driver.h"
#include "png_capture.h"
#include "unique_handle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace driver {
namespace {

// A message marshalled to another process; the time limit keeps a hung
// target from hanging the test. Returns failed when it gets no answer.
template <bool Wide = false>
LRESULT Ask(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0, LRESULT failed = 0) {
    DWORD_PTR answer = 0;
    const auto send = Wide ? SendMessageTimeoutW : SendMessageTimeoutA;
    return send(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer) ? static_cast<LRESULT>(answer) : failed;
}

// A window's text through WM_GETTEXT (or a combo item's through CB_GETLBTEXT).
template <class Char>
std::basic_string<Char> TextOf(HWND window, UINT lengthMsg = WM_GETTEXTLENGTH, UINT textMsg = WM_GETTEXT,
                               WPARAM item = 0) {
    constexpr bool wide = sizeof(Char) == 2;
    const LRESULT length = Ask<wide>(window, lengthMsg, item, 0, -1);
    if (length < 0 || length > 65536) return {};
    std::basic_string<Char> text(static_cast<size_t>(length) + 1, Char());
    const LRESULT copied = Ask<wide>(window, textMsg, textMsg == WM_GETTEXT ? text.size() : item,
                                     reinterpret_cast<LPARAM>(text.data()), -1);
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied < length ? copied : length));
    return text;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<std::pair<const WindowQuery*, std::vector<HWND>>*>(param);
    const WindowQuery& q = *search->first;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if ((q.className.empty() || ClassName(window) == q.className) && (q.caption.empty() || Text(window) == q.caption) &&
        (!q.processId || pid == q.processId)) {
        search->second.push_back(window);
    }
    return TRUE;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Give the target's thread a moment to take the input off its queue.
    Sleep(30);
}

}  // namespace

std::string WindowQuery::Describe() const {
    std::ostringstream text;
    text << "a top-level window";
    if (!className.empty()) text << " of class \"" << className << "\"";
    if (!caption.empty()) text << " captioned \"" << caption << "\"";
    if (processId) text << " of process " << processId;
    return text.str();
}

std::vector<HWND> TopLevelWindows(const WindowQuery& query) {
    std::pair<const WindowQuery*, std::vector<HWND>> search{&query, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
    std::vector<HWND> windows;
    WaitUntil([&] { return !(windows = TopLevelWindows(query)).empty(); }, timeoutMs, query.Describe());
    return windows.empty() ? nullptr : windows.front();
}

bool WaitForNoWindow(const WindowQuery& query, DWORD timeoutMs) {
    return WaitUntil([&] { return TopLevelWindows(query).empty(); }, timeoutMs, "no " + query.Describe());
}

std::string ClassName(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string Text(HWND window) { return TextOf<char>(window); }
std::string ShownText(HWND window) { return Utf8(TextOf<wchar_t>(window)); }

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return utf8;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return wide;
}

bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
int CheckState(HWND window) { return static_cast<int>(Ask(window, BM_GETCHECK)); }
HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

RECT RectIn(HWND window, HWND parent) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A sent message is answered only from the message loop, so once it returns
// the paint that emptied the update region has finished too.
bool WaitUntilPainted(HWND window, DWORD timeoutMs) {
    const auto roundTrip = [&] { return Ask(window, WM_NULL, 0, 0, -1) != -1; };
    return WaitUntil([&] { return roundTrip() && !PaintPending(window) && roundTrip(); }, timeoutMs,
                     "window " + ClassName(window) + " \"" + Text(window) + "\" to finish painting");
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
void Close(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL, 0, 0, CB_ERR)); }
int ComboCount(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCOUNT, 0, 0, CB_ERR)); }

// Read as Unicode: Wine hands the ANSI form of this message back to another
// process in UTF-16.
std::string ComboItemText(HWND combo, int index) {
    return Utf8(TextOf<wchar_t>(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(index)));
}

bool ChooseComboItem(HWND combo, int index) {
    ClickAt(combo, CentreOf(combo));
    PressKeys({VK_ESCAPE, VK_HOME});
    for (int i = 0; i < index; ++i) PressKeys({VK_DOWN});
    return WaitUntil([&] { return ComboSelection(combo) == index; }, kWaitMs,
                     "the combo to show item " + std::to_string(index));
}

void MoveCursorTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    // A zero move makes the system deliver WM_MOUSEMOVE and WM_SETCURSOR at the new place.
    Send({MouseInput(MOUSEEVENTF_MOVE)});
}

void ClickAt(HWND window, POINT client) {
    MoveCursorTo(window, client);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

POINT CentreOf(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return {(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2};
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    Sleep(30);
}

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    for (WORD vk : virtualKeys) Send({KeyInput(vk, false), KeyInput(vk, true)});
}

void PressChord(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> inputs;
    for (WORD vk : modifiers) inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) inputs.push_back(KeyInput(*it, true));
    Send(inputs);
}

namespace {

// Memory in the tree's process for one item and its text: one block serves a
// whole search, as under Wine each allocation in another process is carried
// out by that process's own threads.
struct ItemBlock {
    TVITEMA item;
    char text[MAX_PATH];
};

class RemoteBlock {
public:
    explicit RemoteBlock(HWND tree) : tree_(tree) {
        DWORD processId = 0;
        GetWindowThreadProcessId(tree, &processId);
        constexpr DWORD kAccess = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
        process_ = UniqueHandle(OpenProcess(kAccess, FALSE, processId));
        if (process_) {
            address_ = VirtualAllocEx(process_.get(), nullptr, sizeof(ItemBlock), MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
        }
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    ItemBlock* get() const { return static_cast<ItemBlock*>(address_); }
    // Writes what, asks the tree msg about it, and reads it back.
    template <class T>
    bool Exchange(UINT msg, WPARAM wParam, T& what) {
        return address_ && WriteProcessMemory(process_.get(), address_, &what, sizeof what, nullptr) &&
               Ask(tree_, msg, wParam, reinterpret_cast<LPARAM>(address_)) &&
               ReadProcessMemory(process_.get(), address_, &what, sizeof what, nullptr);
    }

private:
    HWND tree_;
    UniqueHandle process_;
    void* address_ = nullptr;
};

}  // namespace

HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text) {
    RemoteBlock remote(tree);
    const UINT first = parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD;
    auto item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, first, reinterpret_cast<LPARAM>(parent)));
    for (; item && remote.get();
         item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        ItemBlock block = {};
        block.item.mask = TVIF_TEXT;
        block.item.hItem = item;
        block.item.pszText = remote.get()->text;
        block.item.cchTextMax = MAX_PATH;
        if (!remote.Exchange(TVM_GETITEMA, 0, block)) continue;
        block.text[MAX_PATH - 1] = '\0';
        if (text == block.text) return item;
    }
    return nullptr;
}

bool ClickTreeItem(HWND tree, HTREEITEM item) {
    Ask(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RemoteBlock remote(tree);
    // The message takes the item in the rectangle it fills.
    RECT rect = {};
    static_assert(sizeof(HTREEITEM) <= sizeof(RECT));
    std::memcpy(&rect, &item, sizeof item);
    if (!remote.Exchange(TVM_GETITEMRECT, TRUE, rect)) return false;
    ClickAt(tree, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return true;
}

std::string ScreenshotPath(const std::string& name) {
    return EnvironmentOr("RAVLEN_SCREENSHOT_DIR", ".") + "\\" + name + ".png";
}

bool SaveScreenshot(const std::string& name, HWND window) {
    if (window) WaitUntilPainted(window, kWaitMs);
    std::string error;
    if (CaptureToPng(ScreenshotPath(name), window, &error)) return true;
    ADD_FAILURE() << "screenshot " << name << ": " << error;
    return false;
}

}  // namespace driver
