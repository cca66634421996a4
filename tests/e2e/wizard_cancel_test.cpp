#include "wizard_fixture.h"

namespace {

// A profile with a value of every type, so that any write shows.
void PrepareProfile(const std::string& root) {
    ASSERT_TRUE(driver::WriteNumber(HKEY_CURRENT_USER, root + "\\Buttons", "INavEnable", 0));
    ASSERT_TRUE(driver::WriteNumber(HKEY_CURRENT_USER, root + "\\SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, root + "\\OSD", "FaceName", "Liberation Mono"));
    const BYTE block[3] = {1, 2, 3};
    ASSERT_TRUE(driver::WriteValue(HKEY_CURRENT_USER, root + "\\Buttons\\Aux1", "ActionParam1", REG_BINARY, block, 3));
}

}  // namespace

class CancelTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        PrepareProfile(wizard::kProfile);
        before_ = Profile();
        ASSERT_FALSE(before_.empty());
        StartDaemonToWatch();
        ASSERT_TRUE(StartWizard());
        // Every page has been shown, and so had the chance to change something.
        ASSERT_TRUE(WalkToSummary());
    }
    void StartDaemonToWatch() {
        daemon_ = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
        ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);
    }
    void ExpectNothingWritten() {
        EXPECT_EQ(Profile(), before_) << "profile after:\n" << driver::Describe(Profile());
        driver::Pause(200);
        EXPECT_EQ(DaemonLog(), std::vector<std::string>{"start"}) << "the daemon was told nothing";
    }
    driver::RegistrySnapshot before_;
    driver::Process daemon_;
};

TEST_F(CancelTest, CancelButton) {
    driver::ClickButton(Button(IDCANCEL));
    ASSERT_TRUE(WaitForWizardExit("Cancel"));
    ExpectNothingWritten();
}

TEST_F(CancelTest, EscapeKey) {
    // Keys go to the focused button: Back, clicked with the mouse. (On the
    // Summary page the Next button that had the focus is hidden, and Wine
    // leaves no focus behind.)
    ClickWithMouse(Button(wizard::kBack));
    ASSERT_TRUE(WaitForPage(5));
    driver::PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForWizardExit("Escape"));
    ExpectNothingWritten();
}

TEST_F(CancelTest, CloseBox) {
    driver::Close(sheet_);
    ASSERT_TRUE(WaitForWizardExit("the close box"));
    ExpectNothingWritten();
}
