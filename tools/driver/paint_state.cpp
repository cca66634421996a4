#include "paint_state.h"

namespace driver {
namespace {

BOOL CALLBACK FindPendingPaint(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool PaintPending(HWND window) {
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) EnumChildWindows(window, FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

}  // namespace driver
