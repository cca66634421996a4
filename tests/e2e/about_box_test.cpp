// The About box, opened by the hidden main window's About command while the
// wizard runs, and closed with OK or Escape.
#include "wizard_fixture.h"

class AboutBoxTest : public WizardTest {
protected:
    HWND OpenAbout() {
        PostMessageA(Frame(), WM_COMMAND, ID_APP_ABOUT, 0);
        HWND about = driver::WaitForWindow({"#32770", "About Ravlen", wizard_.id()}, driver::kWaitMs);
        // The dialog exists before it is shown: its initialisation comes between.
        const bool shown = about && driver::WaitUntil([&] { return driver::IsVisible(about); }, driver::kWaitMs,
                                                      "the About box shown");
        return shown ? about : nullptr;
    }
    bool Closed() { return driver::WaitForNoWindow({"#32770", "About Ravlen", wizard_.id()}, driver::kWaitMs); }
};

TEST_F(AboutBoxTest, OkAndEscapeCloseItAndLeaveTheWizardAsItWas) {
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(Next());
    const std::optional<frame_probe::ObjectCounts> before = probe_.Objects();
    ASSERT_TRUE(before);

    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(driver::Owner(about), sheet_) << "the About box keeps the wizard's buttons from the mouse";
    driver::SaveScreenshot("about-box", about);
    HWND ok = GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(driver::Text(ok), "OK");
    ClickWithMouse(ok);
    EXPECT_TRUE(Closed()) << "OK did not close the About box";

    about = OpenAbout();
    ASSERT_NE(about, nullptr);
    driver::Activate(about);
    driver::PressKeys({VK_ESCAPE});
    EXPECT_TRUE(Closed()) << "Escape did not close the About box";

    EXPECT_TRUE(wizard_.IsRunning());
    EXPECT_TRUE(driver::IsVisible(sheet_));
    EXPECT_EQ(PageIndex(), 1);
    const std::optional<frame_probe::ObjectCounts> after = probe_.Objects();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->windows, before->windows) << "windows left behind by the About box";
    EXPECT_EQ(after->menus, before->menus);
    EXPECT_TRUE(Profile().empty()) << driver::Describe(Profile());
    // The wizard still answers its buttons.
    ASSERT_TRUE(Next());
}

// The hidden frame's keystrokes go through its accelerator table in whatever
// loop is running (here the sheet's): F6 arrives as the next-pane command.
TEST_F(AboutBoxTest, TheFrameTranslatesItsAccelerators) {
    ASSERT_TRUE(StartProbedWizard());
    HWND frame = Frame();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(probe_.Run(frame_probe::kWatchCommandsExport), std::optional<DWORD>(1));
    constexpr DWORD kFromAccelerator = 1;
    constexpr DWORD kNextPane = MAKEWPARAM(ID_NEXT_PANE, kFromAccelerator);
    PostMessageA(frame, WM_KEYDOWN, VK_F6, 1);
    PostMessageA(frame, WM_KEYUP, VK_F6, 0xC0000001);
    EXPECT_TRUE(driver::WaitUntil([&] { return probe_.Run(frame_probe::kLastCommandExport) == kNextPane; },
                                  driver::kWaitMs, "F6 to reach the frame as its next-pane command"));
    EXPECT_TRUE(wizard_.IsRunning());
}
