// Capturing the screen into a PNG file, without any test framework, so that
// the tools can use it too.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Saves the part of the screen that window covers (the whole screen for
// null) as a PNG file. On failure returns false and says why in *error.
bool CaptureToPng(const std::string& path, HWND window, std::string* error);

}  // namespace driver
