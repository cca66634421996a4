// Changing the text of a static that lies over a page's picture.
#pragma once

#include <windows.h>

// The static is hidden while its text changes and shown again, so that its
// transparent background repaints from the picture instead of keeping the
// old text under the new.
inline void SetTextOverPicture(HWND control, const char* text) {
    if (!control) return;
    ::ShowWindow(control, SW_HIDE);
    ::SetWindowTextA(control, text);
    ::ShowWindow(control, SW_SHOW);
}
