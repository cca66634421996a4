// The background picture: painted in the normal mode, left out in high
// contrast (the system's colours show), switched while a page is shown.
#include "screen_pixels.h"
#include "wizard_fixture.h"

#include <cstdio>
#include <string>

class FramePictureTest : public WizardTest {
protected:
    // The share of the title's area that shows the picture's dark band.
    double DarkUnderTitle() {
        driver::WaitUntilPainted(sheet_, driver::kWaitMs);
        return ShareOfPixels(Control(IDC_TITLE), IsDark);
    }
};

TEST_F(FramePictureTest, HighContrastDropsThePictureAndSwitchingOffBringsItBack) {
    ASSERT_TRUE(StartHighContrastWizard());
    // The Welcome and Customize Keys pages paint pictures of their own choice,
    // the Summary page another picture.
    for (int page : {0, 3, 6}) {
        SCOPED_TRACE("page " + std::to_string(page));
        ASSERT_TRUE(ShowPage(page));
        EXPECT_GT(DarkUnderTitle(), 0.5) << "the title does not stand on the picture's dark band";

        ASSERT_TRUE(SetHighContrast(true));
        EXPECT_LT(DarkUnderTitle(), 0.02) << "the picture is still painted in high contrast";
        EXPECT_EQ(PageIndex(), page);

        ASSERT_TRUE(SetHighContrast(false));
        EXPECT_GT(DarkUnderTitle(), 0.5) << "the picture did not come back with the normal mode";
    }
}

// Every page in high contrast, for a person to look at; the per-language runs
// start the wizard in their locales.
TEST_F(FramePictureTest, ScreenshotsOfEveryPageInHighContrast) {
    ASSERT_TRUE(StartHighContrastWizard());
    ASSERT_TRUE(SetHighContrast(true));
    char language[8] = {};
    std::snprintf(language, sizeof language, "%04x", GetUserDefaultUILanguage());
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        EXPECT_LT(DarkUnderTitle(), 0.02) << "page " << page << " paints its picture in high contrast";
        driver::SaveScreenshot("frame-hc-" + std::string(language) + "-page-" + std::to_string(page), sheet_);
    }
}
