#include "wizard_fixture.h"

#include "DormexUtil.h"

using Lines = std::vector<std::string>;

TEST_F(WizardTest, StartedByTheLibraryItLogsThePostedMessagesInOrder) {
    ASSERT_TRUE(LaunchProgram("DormexDaemon.EXE", nullptr, nullptr, 0));
    HWND daemon = driver::WaitForWindow(DaemonWindow(), driver::kWaitMs);
    ASSERT_NE(daemon, nullptr);
    EXPECT_FALSE(driver::IsVisible(daemon)) << "the daemon's window stays hidden";
    EXPECT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});

    for (UINT message : {kDaemonSettingsChanged, kDaemonShowTrayIcon, kDaemonHideTrayIcon, kDaemonSettingsChanged}) {
        ASSERT_TRUE(PostMessageA(daemon, message, 0, 0));
    }
    EXPECT_EQ(driver::WaitForLines(logPath_, 5, driver::kWaitMs), (Lines{"start", "1840", "1841", "1842", "1840"}));

    // Other messages are not events of the daemon's.
    PostMessageA(daemon, WM_USER + 1, 0, 0);
    PostMessageA(daemon, kDaemonSettingsChanged, 0, 0);
    EXPECT_EQ(driver::WaitForLines(logPath_, 6, driver::kWaitMs).back(), "1840");
    EXPECT_EQ(DaemonLog().size(), 6u);
}

TEST_F(WizardTest, ASecondStartLeavesOneInstance) {
    driver::Process first = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    ASSERT_TRUE(first);
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);

    driver::Process second = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    ASSERT_TRUE(second);
    ASSERT_TRUE(second.WaitForExit(driver::kWaitMs, "the second daemon to give way"));
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(driver::TopLevelWindows(DaemonWindow()).size(), 1u);
    EXPECT_EQ(DaemonLog(), Lines{"start"});

    // The library's start of a daemon that already runs changes nothing either.
    EXPECT_TRUE(LaunchProgram("DormexDaemon.EXE", nullptr, nullptr, 0));
    driver::Pause(500);
    EXPECT_EQ(driver::TopLevelWindows(DaemonWindow()).size(), 1u);
    EXPECT_EQ(DaemonLog(), Lines{"start"});
}

TEST_F(WizardTest, CloseEndsIt) {
    driver::Process daemon = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    HWND window = driver::WaitForWindow(DaemonWindow(), driver::kWaitMs);
    ASSERT_NE(window, nullptr);
    // Closed once it is running: its window comes before its tray icon, whose
    // set-up can keep a busy machine's daemon from its messages for a while.
    ASSERT_EQ(driver::WaitForLines(logPath_, 1, driver::kWaitMs), Lines{"start"});
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(daemon.WaitForExit(driver::kWaitMs, "the daemon to end after WM_CLOSE"));
    EXPECT_EQ(daemon.ExitCode(), 0u);
    EXPECT_TRUE(driver::TopLevelWindows(DaemonWindow()).empty());
}
