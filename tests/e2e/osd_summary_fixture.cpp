#include "osd_summary_fixture.h"

#include <cctype>

namespace osd {

LONG PixelHeight(int points) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -MulDiv(dpi, points * 10, 720);
}

int FirstArial(HWND fontCombo) {
    const int count = driver::ComboCount(fontCombo);
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        std::string face = driver::ComboItemText(fontCombo, index);
        for (char& c : face) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (face.rfind("arial", 0) == 0) return index;
    }
    return -1;
}

double ShareOf(HWND window, COLORREF colour) {
    return ShareOfPixels(window, [colour](COLORREF pixel) { return pixel == colour; });
}

}  // namespace osd

bool OsdSummaryTest::ClickWhenEnabled(int id) {
    HWND button = Button(id);
    if (!driver::WaitUntil([&] { return driver::IsVisible(button) && driver::IsEnabled(button); }, driver::kWaitMs,
                           "button " + std::to_string(id) + " to be visible and enabled")) {
        return false;
    }
    ClickWithMouse(button);
    return true;
}

bool OsdSummaryTest::Finish() { return ClickWhenEnabled(wizard::kFinish) && WaitForWizardExit("Finish"); }
