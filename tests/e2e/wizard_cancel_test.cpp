// Every way of cancelling, after every page has had its chance to change
// something: nothing is written and the daemon is told nothing.
#include "wizard_fixture.h"

enum class Way { kCancelButton, kEscapeKey, kCloseBox };

class CancelTest : public WizardTest, public testing::WithParamInterface<Way> {};

TEST_P(CancelTest, WritesNothingAndTellsTheDaemonNothing) {
    // A profile with a value of every type, so that any write shows.
    const std::string root = wizard::kProfile;
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", "Liberation Mono"));
    const BYTE block[3] = {1, 2, 3};
    ASSERT_TRUE(driver::WriteValue(HKEY_CURRENT_USER, root + "\\Buttons\\Aux1", "ActionParam1", REG_BINARY, block, 3));
    const auto before = Profile();
    driver::Process daemon = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary());

    switch (GetParam()) {
    case Way::kCancelButton: driver::ClickButton(Button(IDCANCEL)); break;
    case Way::kEscapeKey:
        // Keys go to the focused button: Back, clicked with the mouse. (On the
        // Summary page the Next button that had the focus is hidden, and Wine
        // leaves no focus behind.)
        ASSERT_TRUE(Press(wizard::kBack, wizard::kOsdPage));
        driver::PressKeys({VK_ESCAPE});
        break;
    case Way::kCloseBox: driver::Close(sheet_); break;
    }
    ASSERT_TRUE(WaitForWizardExit("cancelling"));
    EXPECT_EQ(Profile(), before) << "profile after:\n" << driver::Describe(Profile());
    driver::Pause(200);
    EXPECT_EQ(DaemonLog(), std::vector<std::string>{"start"}) << "the daemon was told nothing";
}

std::string WayName(const testing::TestParamInfo<Way>& way) {
    const char* names[] = {"CancelButton", "EscapeKey", "CloseBox"};
    return names[static_cast<int>(way.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryWay, CancelTest, testing::Values(Way::kCancelButton, Way::kEscapeKey, Way::kCloseBox),
                         WayName);
