// The Tab strip as a person uses it: the cursor moved onto a label, then a click.
#include "wizard_fixture.h"

#include <string>

namespace {

std::string LabelName(int label) { return "label " + std::to_string(IDC_TAB_INTERNET_NAV + label); }

}  // namespace

TEST_F(WizardTest, EveryLabelOfTheWelcomePageJumpsToItsPageWithAClick) {
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(probe_.CountSounds());
    for (int label = 0; label < wizard::kLabelCount; ++label) {
        SCOPED_TRACE(LabelName(label));
        // The Welcome page, each time it is shown, offers Next alone.
        EXPECT_TRUE(WaitForOffered("Next"));
        PointAt(label);
        ASSERT_TRUE(WaitForCursor(frame_probe::kCursorHand, "over " + LabelName(label) + " of the Welcome page"));
        ClickWithMouse(Label(label));
        // Straight there: the pages between are not shown on the way.
        EXPECT_TRUE(WaitForPage(label + 1));
        EXPECT_TRUE(driver::WaitUntil([&] { return probe_.SoundsPlayed() == static_cast<DWORD>(label + 1); }, 2000,
                                      "one click sound for each jump"));
        ASSERT_TRUE(ShowPage(0));
    }
}

TEST_F(WizardTest, OwnLabelOnlyClicksAndKeepsTheArrow) {
    ASSERT_TRUE(StartProbedWizard());
    for (int page = 1; page < wizard::kPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        ASSERT_TRUE(ShowPage(page));
        const int own = wizard::OwnLabel(page);
        for (int label = 0; label < wizard::kLabelCount; ++label) {
            if (label == own) continue;
            PointAt(label);
            EXPECT_TRUE(WaitForCursor(frame_probe::kCursorHand, "over " + LabelName(label)));
        }
        // From a hand to the own label: the hand goes.
        PointAt(own == 0 ? 1 : 0);
        ASSERT_TRUE(WaitForCursor(frame_probe::kCursorHand, "over a label of another page"));
        PointAt(own);
        EXPECT_TRUE(WaitForCursor(frame_probe::kCursorArrow, "over the page's own " + LabelName(own)));

        ClickWithMouse(Label(own));
        driver::Pause(300);
        EXPECT_EQ(PageIndex(), page) << "a click on the own label left the page";
    }
}
