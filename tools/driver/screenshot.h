// Screenshots of the display, kept under build/screenshots/ for a person to look at.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Saves the part of the screen that window covers (the whole screen for null)
// as <RAVLEN_SCREENSHOT_DIR>\<name>.png. Adds a failure when it cannot.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);

// <RAVLEN_SCREENSHOT_DIR>\<name>.png, where SaveScreenshot puts it.
std::string ScreenshotPath(const std::string& name);

}  // namespace driver
