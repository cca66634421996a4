// The Internet Navigation, Lumora Keys and Print Label pages as a person uses
// them: radios and Tab strip labels clicked with the mouse, the wizard buttons
// read as offered (visible and enabled), and the print dialog when it comes.
#pragma once

#include "page_frame_fixture.h"

#include <string>

namespace feature {

constexpr int kINavEnable = 1016;
constexpr int kINavDisable = 1017;
constexpr int kINavPictureOn = 1116;
constexpr int kINavPictureOff = 1118;
constexpr int kLumoraEnable = 1013;
constexpr int kLumoraDisable = 1014;
constexpr int kLumoraPictureOn = 1123;
constexpr int kLumoraPictureOff = 1124;
constexpr int kPrint = 1024;
constexpr int kDoNotPrint = 1025;
constexpr int kWhiteOnBlack = 1086;
constexpr int kBlackOnWhite = 1087;
constexpr int kStyleQuestion = 1088;
constexpr int kPrintPicture = 1122;
constexpr int kNoPrintPicture = 1123;

// Strip label indexes (label 1032 + i leads to page i + 1).
constexpr int kToInternetNav = 0;
constexpr int kToLumora = 1;
constexpr int kToCustomizeKeys = 2;
constexpr int kToPrintLabel = 3;
constexpr int kToOsd = 4;
constexpr int kToSummary = 5;

}  // namespace feature

class FeaturePageTest : public PageFrameTest {
protected:
    // The wizard buttons offered now, in their order: "Back", "Back Next", "Back Finish" ...
    std::string Offered() const;
    // Waits until exactly these buttons are offered (they are set by posted messages).
    bool WaitForOffered(const std::string& buttons);

    bool Checked(int id) const { return driver::CheckState(Control(id)) == BST_CHECKED; }
    bool Shown(int id) const { return driver::IsVisible(Control(id)); }
    bool Enabled(int id) const { return driver::IsEnabled(Control(id)); }
    // Clicks a control of the shown page with the mouse.
    void Click(int id) { ClickWithMouse(Control(id)); }
    // Clicks a Tab strip label and waits for its page.
    bool Jump(int label);
    // Clicks a wizard button with the mouse once it is offered, and waits for page index.
    bool Press(int button, int toPage);

    // The print dialog the wizard shows, or null when there is none.
    HWND PrintDialog() const;
    HWND WaitForPrintDialog();
    // Answers the print dialog with OK or Cancel, and waits for it to go.
    bool AnswerPrintDialog(int button);
};
