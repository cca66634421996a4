#include "first_page.h"

#include "paint_state.h"
#include "stopwatch.h"

#include <cstring>

namespace {

bool IsDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

struct Search {
    DWORD processId;
    FirstPage found;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || !IsDialog(window)) return TRUE;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && IsDialog(child)) {
            search->found = {window, child, driver::PaintPending(child)};
            return FALSE;
        }
    }
    search->found.sheet = window;
    return TRUE;
}

}  // namespace

FirstPage LookForFirstPage(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool UpdateRegionIsVisible(HWND page, std::string& detail) {
    // An idle program may repaint between the two calls, so one miss proves
    // nothing; twenty in a row do.
    constexpr int kTries = 20;
    for (int i = 0; i < kTries; ++i) {
        InvalidateRect(page, nullptr, FALSE);
        if (!GetUpdateRect(page, nullptr, FALSE)) continue;
        Stopwatch clock;
        while (GetUpdateRect(page, nullptr, FALSE)) {
            if (clock.ElapsedMs() > 5000) {
                detail = "the program did not repaint its invalidated page within 5 s";
                return false;
            }
            Sleep(1);
        }
        return true;
    }
    detail = "a paint pending in another process never showed in GetUpdateRect (" + std::to_string(kTries) +
             " tries)";
    return false;
}
