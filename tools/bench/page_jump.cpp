#include "page_jump.h"

#include "png_capture.h"
#include "stopwatch.h"

#include <commctrl.h>

namespace {
constexpr UINT kLimitMs = 30000;
}  // namespace

double TimePageJump(HWND sheet, int index, std::string& error) {
    Stopwatch clock;
    DWORD_PTR answer = 0;
    // The sheet answers once the page is made and activated.
    if (!SendMessageTimeoutA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, kLimitMs,
                             &answer)) {
        error = "the sheet did not answer the page change";
        return -1;
    }
    DWORD_PTR page = 0;
    SendMessageTimeoutA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, kLimitMs, &page);
    const auto shown = reinterpret_cast<HWND>(page);
    while (clock.ElapsedMs() < kLimitMs) {
        // A sent message is taken only back in the message loop: the paint handlers have returned.
        if (shown && !driver::PaintPending(shown) &&
            SendMessageTimeoutA(shown, WM_NULL, 0, 0, SMTO_BLOCK, kLimitMs, &answer) && !driver::PaintPending(shown)) {
            return clock.ElapsedMs();
        }
        Sleep(1);
    }
    error = "page " + std::to_string(index) + " was not painted";
    return -1;
}
