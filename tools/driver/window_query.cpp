#include "window_query.h"

#include "paint_state.h"
#include "wait.h"

#include <sstream>

namespace driver {
namespace {

struct Search {
    const WindowQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    const WindowQuery& q = *search->query;
    if (!q.className.empty() && ClassName(window) != q.className) return TRUE;
    if (!q.caption.empty() && Text(window) != q.caption) return TRUE;
    if (q.processId) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != q.processId) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
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
    Search search{&query, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            auto windows = TopLevelWindows(query);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs, query.Describe());
    return found;
}

bool WaitForNoWindow(const WindowQuery& query, DWORD timeoutMs) {
    return WaitUntil([&] { return TopLevelWindows(query).empty(); }, timeoutMs, "no " + query.Describe());
}

HWND FindControl(HWND parent, int id) {
    // EnumChildWindows walks all descendants, parents before their children.
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForControl(HWND parent, int id, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindControl(parent, id)) != nullptr; }, timeoutMs,
              "a control with id " + std::to_string(id));
    return found;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string ShownText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &copied)) {
        return {};
    }
    text.resize(copied < length ? copied : length);
    return Utf8(text);
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::string Text(HWND window) {
    // WM_GETTEXT is marshalled across processes; the time limit keeps a hung
    // target from hanging the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &copied)) {
        return {};
    }
    text.resize(copied < length ? copied : length);
    return text;
}

bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

int CheckState(HWND window) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(window, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return static_cast<int>(state);
}

RECT RectIn(HWND window, HWND parent) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

namespace {

// A sent message is answered only from the message loop, so once it returns
// the paint that emptied the update region has finished too.
bool RoundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

}  // namespace

bool WaitUntilPainted(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return RoundTrip(window) && !PaintPending(window) && RoundTrip(window); }, timeoutMs,
                     "window " + ClassName(window) + " \"" + Text(window) + "\" to finish painting");
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void Close(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace driver
