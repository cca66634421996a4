// The screen as another process sees it, without any test framework, so that
// the tools can use it too: whether a window still has painting to do, and
// capturing the screen into a PNG file.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// True while window or one of its visible descendants has a paint pending.
bool PaintPending(HWND window);

// Saves the part of the screen that window covers (the whole screen for
// null) as a PNG file. On failure returns false and says why in *error.
bool CaptureToPng(const std::string& path, HWND window, std::string* error);

}  // namespace driver
