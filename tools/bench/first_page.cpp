#include "first_page.h"

#include "png_capture.h"
#include "stopwatch.h"

namespace {

constexpr char kDialogClass[] = "#32770";

bool OwnedBy(HWND window, DWORD processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}

}  // namespace

// Polled every millisecond while a program starts, so it asks the Wine server
// as little as it can: the server serves the measured program too, and a
// search that walked every window at each poll would slow the program that
// has more of them. Only dialogs are looked at (the class filter is applied
// by the server in one request), and the page's controls only once the page
// itself has been painted.
FirstPage LookForFirstPage(DWORD processId) {
    FirstPage found;
    for (HWND sheet = FindWindowExA(nullptr, nullptr, kDialogClass, nullptr); sheet;
         sheet = FindWindowExA(nullptr, sheet, kDialogClass, nullptr)) {
        if (!OwnedBy(sheet, processId) || !IsWindowVisible(sheet)) continue;
        for (HWND page = FindWindowExA(sheet, nullptr, kDialogClass, nullptr); page;
             page = FindWindowExA(sheet, page, kDialogClass, nullptr)) {
            if (IsWindowVisible(page)) return {sheet, page, driver::PaintPending(page)};
        }
        found.sheet = sheet;
    }
    return found;
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
