#include "wizard_fixture.h"

#include <commctrl.h>

using Lines = std::vector<std::string>;

namespace {

driver::RegistryValue Number(DWORD value) {
    driver::RegistryValue number{REG_DWORD, std::vector<BYTE>(sizeof value)};
    memcpy(number.data.data(), &value, sizeof value);
    return number;
}

}  // namespace

class FinishTest : public WizardTest {
protected:
    void StartDaemon() {
        daemon_ = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
        ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);
        ASSERT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});
    }
    driver::Process daemon_;
};

TEST_F(FinishTest, RunningDaemonIsToldAndShowsItsIcon) {
    StartDaemon();
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary("wizard-page-"));
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(driver::WaitForLines(logPath_, 3, driver::kWaitMs), (Lines{"start", "1840", "1841"}));
    driver::Pause(300);
    EXPECT_EQ(DaemonLog().size(), 3u) << "no second daemon was started";
    EXPECT_EQ(driver::TopLevelWindows(DaemonWindow()).size(), 1u);
    EXPECT_EQ(ProfileValue("SysTrayIcon", "Hide"), Number(0));
    // The On-Screen Display page was left forward with its stored default.
    EXPECT_EQ(ProfileValue("Buttons", "OSDEnable"), Number(1));
}

TEST_F(FinishTest, StoppedDaemonIsStartedAfterTheValuesAreWritten) {
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary());
    ASSERT_TRUE(FinishWithMouse());
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr) << "Finish starts the daemon";
    EXPECT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});
    EXPECT_EQ(ProfileValue("SysTrayIcon", "Hide"), Number(0));
}

TEST_F(FinishTest, HiddenTrayIconWritesHideAndStartsNothing) {
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary());
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(ProfileValue("SysTrayIcon", "Hide"), Number(1));
    driver::Pause(500);
    EXPECT_TRUE(driver::TopLevelWindows(DaemonWindow()).empty()) << "a stopped daemon stays stopped";

    // With the daemon running, it is told to hide its icon.
    StartDaemon();
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary());
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(driver::WaitForLines(logPath_, 3, driver::kWaitMs), (Lines{"start", "1840", "1842"}));
}

TEST_F(FinishTest, PagesNeverShownWriteNothingAndTheTrayIsLeftAlone) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    const auto before = Profile();
    StartDaemon();
    ASSERT_TRUE(StartWizard());
    // Straight from the Welcome page to the Summary page.
    PostMessageA(sheet_, PSM_SETCURSEL, 6, 0);
    ASSERT_TRUE(WaitForPage(6));
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(driver::WaitForLines(logPath_, 2, driver::kWaitMs), (Lines{"start", "1840"}));
    driver::Pause(300);
    EXPECT_EQ(DaemonLog().size(), 2u) << "no 1841 or 1842";
    EXPECT_EQ(Profile(), before) << driver::Describe(Profile());

    // The same with the daemon stopped: it is not started.
    StopDaemons();
    ASSERT_TRUE(StartWizard());
    PostMessageA(sheet_, PSM_SETCURSEL, 6, 0);
    ASSERT_TRUE(WaitForPage(6));
    ASSERT_TRUE(FinishWithMouse());
    driver::Pause(500);
    EXPECT_TRUE(driver::TopLevelWindows(DaemonWindow()).empty());
}

TEST_F(FinishTest, ExtraFinishButtonOnTheCustomizeKeysPage) {
    StartDaemon();
    ASSERT_TRUE(StartWizard());
    HWND extra = Button(IDC_EXTRA_FINISH);
    ASSERT_NE(extra, nullptr);
    EXPECT_FALSE(driver::IsVisible(extra)) << "hidden on the Welcome page";
    for (int page = 1; page <= 3; ++page) ASSERT_TRUE(Next());
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsVisible(extra); }, driver::kWaitMs,
                                  "the extra Finish button on the Customize Keys page"));
    EXPECT_EQ(driver::Text(extra), driver::Text(Button(wizard::kFinish)));
    ASSERT_TRUE(Next());
    EXPECT_FALSE(driver::IsVisible(extra)) << "hidden again on the Print Label page";
    driver::ClickButton(Button(wizard::kBack));
    ASSERT_TRUE(WaitForPage(3));

    ClickWithMouse(extra);
    ASSERT_TRUE(WaitForWizardExit("the extra Finish button"));
    // The Save pass ran (at least once): the daemon heard of it; the
    // On-Screen Display page was never shown, so its icon is left alone.
    Lines log = driver::WaitForLines(logPath_, 2, driver::kWaitMs);
    ASSERT_GE(log.size(), 2u);
    for (size_t i = 1; i < log.size(); ++i) EXPECT_EQ(log[i], "1840");
}
