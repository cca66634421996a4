#include "high_contrast.h"
#include "wizard_fixture.h"

// Wine cannot switch high contrast on, so the test answers the wizard's
// query itself through a hook loaded into the running program. A page's
// activation shows on the Customize Keys page: it shows the extra Finish
// button, which the test hides beforehand.
class HighContrastTest : public WizardTest {
protected:
    bool Reactivated() {
        HWND extra = Button(IDC_EXTRA_FINISH);
        // The settings change is sent and handled by the time Announce returns.
        return driver::IsVisible(extra);
    }
    void HideExtraFinish() { ShowWindow(Button(IDC_EXTRA_FINISH), SW_HIDE); }
};

TEST_F(HighContrastTest, AChangeOfModeReactivatesTheShownPageOnce) {
    ASSERT_TRUE(StartWizard());
    for (int page = 1; page <= 3; ++page) ASSERT_TRUE(Next());
    driver::HighContrast highContrast;
    ASSERT_TRUE(highContrast.Hook(wizard_.id()));

    // A settings change that leaves high contrast off re-activates nothing.
    HideExtraFinish();
    ASSERT_TRUE(driver::HighContrast::Announce(sheet_));
    EXPECT_FALSE(Reactivated());

    highContrast.Set(true);
    ASSERT_TRUE(driver::HighContrast::Announce(sheet_));
    EXPECT_TRUE(Reactivated()) << "switching high contrast on re-activates the page";
    EXPECT_EQ(PageIndex(), 3);

    HideExtraFinish();
    ASSERT_TRUE(driver::HighContrast::Announce(sheet_));
    EXPECT_FALSE(Reactivated()) << "still on: nothing more";

    highContrast.Set(false);
    ASSERT_TRUE(driver::HighContrast::Announce(sheet_));
    EXPECT_TRUE(Reactivated()) << "switching it off re-activates the page again";
    EXPECT_EQ(PageIndex(), 3);
}
