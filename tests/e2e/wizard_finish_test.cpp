// Finish as only a real run shows it; which notice goes with which choices is
// the Save pass's own table.
#include "wizard_fixture.h"

using Lines = std::vector<std::string>;

// The extra Finish button shows on the Customize Keys page alone. A stopped
// daemon is started once the values are in the store.
TEST_F(WizardTest, StoppedDaemonIsStartedAfterTheValuesAreWritten) {
    ASSERT_TRUE(StartWizard());
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(WaitForPage(page));
        ASSERT_TRUE(Painted());
        EXPECT_EQ(driver::IsVisible(Button(IDC_EXTRA_FINISH)), page == 3) << "the extra Finish button on page " << page;
        if (page + 1 < wizard::kPageCount) {
            ASSERT_TRUE(Next());
        }
    }
    EXPECT_EQ(driver::Text(Button(IDC_EXTRA_FINISH)), driver::Text(Button(wizard::kFinish)));
    ASSERT_TRUE(FinishWithMouse());
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr) << "Finish starts the daemon";
    EXPECT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});
    EXPECT_EQ(ProfileValue("SysTrayIcon", "Hide"), driver::DwordValue(0));
}

// Straight from the Welcome page to the Summary page: a running daemon hears
// of the change and nothing of its icon, and the store is left as it was.
TEST_F(WizardTest, PagesNeverShownWriteNothingAndTheTrayIsLeftAlone) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    const auto before = Profile();
    driver::Process daemon = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);
    ASSERT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(ShowPage(wizard::kSummaryPage));
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(driver::WaitForLines(logPath_, 2, driver::kWaitMs), (Lines{"start", "1840"}));
    driver::Pause(300);
    EXPECT_EQ(DaemonLog().size(), 2u) << "no 1841 or 1842";
    EXPECT_EQ(Profile(), before) << driver::Describe(Profile());
}
