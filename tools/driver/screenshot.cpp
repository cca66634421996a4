#include "screenshot.h"

#include "png_capture.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

std::string ScreenshotFolder() {
    char dir[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("RAVLEN_SCREENSHOT_DIR", dir, MAX_PATH);
    return (n > 0 && n < MAX_PATH) ? std::string(dir) : std::string(".");
}

}  // namespace

std::string ScreenshotPath(const std::string& name) { return ScreenshotFolder() + "\\" + name + ".png"; }

bool SaveScreenshot(const std::string& name, HWND window) {
    if (window) WaitUntilPainted(window, kWaitMs);
    std::string error;
    const std::string path = ScreenshotPath(name);
    if (CaptureToPng(path, window, &error)) return true;
    ADD_FAILURE() << "screenshot " << name << ": " << error;
    return false;
}

}  // namespace driver
