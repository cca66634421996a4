#include "probe_page.h"

#include <commctrl.h>

#include <vector>

namespace probe_page {
namespace {

BOOL CALLBACK CollectOwnTopLevel(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

// The sheet is the process's top-level window that names a shown page.
HWND ShownPage() {
    std::vector<HWND> windows;
    EnumWindows(CollectOwnTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        DWORD_PTR page = 0;
        if (IsWindowVisible(window) &&
            SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page) && page) {
            return reinterpret_cast<HWND>(page);
        }
    }
    return nullptr;
}

}  // namespace probe_page
