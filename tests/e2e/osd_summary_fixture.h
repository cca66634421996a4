// The On-Screen Display and Summary pages of a running wizard, with the
// frame probe loaded to read the fonts its controls are given.
#pragma once

#include "page_frame_fixture.h"
#include "resource.h"
#include "screen_pixels.h"

#include <string>

namespace osd {

constexpr int kOsdPage = 5;
constexpr int kSummaryPage = 6;
constexpr int kGreenIndex = 10;
constexpr int kWhiteIndex = 15;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// The character height of a point size on this screen, as the program makes it.
LONG PixelHeight(int points);
// The index of the first item after item 0 (wrapping round to it) that begins
// with "Arial" regardless of case; -1 when there is none.
int FirstArial(HWND fontCombo);
// The share of the window's pixels in exactly that colour.
double ShareOf(HWND window, COLORREF colour);

}  // namespace osd

class OsdSummaryTest : public PageFrameTest {
protected:
    // Starts the probed wizard and shows the page as the sheet's selection does.
    bool ShowOsdPage() { return StartProbedWizard() && ShowPage(osd::kOsdPage) && Painted(); }
    bool Painted() { return driver::WaitUntilPainted(sheet_, driver::kWaitMs); }
    // Clicks a button of the sheet once it is there to be clicked (its state is posted).
    bool ClickWhenEnabled(int id);
    // Clicks Finish and waits for the wizard to end.
    bool Finish();
    bool SetProfileString(const std::string& subkey, const std::string& name, const std::string& value) const {
        return driver::WriteString(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name, value);
    }
};
