#include "wizard_fixture.h"

namespace {

driver::WindowQuery HiddenFrame(DWORD processId) { return {"RavlenClass", {}, processId}; }

}  // namespace

TEST_F(WizardTest, OneWizardPerSessionWithAHiddenFrameAndNoOwner) {
    ASSERT_TRUE(StartWizard());
    auto frames = driver::TopLevelWindows(HiddenFrame(wizard_.id()));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(driver::IsVisible(frames[0])) << "the frame is never shown";
    EXPECT_TRUE(driver::IsVisible(sheet_));
    EXPECT_EQ(driver::Owner(sheet_), nullptr) << "the wizard is a top-level window of its own";

    // The second start must end without making any window on the way.
    driver::Process second = driver::Process::Start(driver::BinPath("Ravlen.exe"));
    size_t windowsSeen = 0;
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
            windowsSeen += driver::TopLevelWindows({{}, {}, second.id()}).size();
            return !second.IsRunning();
        },
        driver::kWaitMs, "a second start to give way"));
    EXPECT_EQ(windowsSeen, 0u);
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(driver::TopLevelWindows({"#32770", {}, wizard_.id()}).size(), 1u);
    EXPECT_TRUE(wizard_.IsRunning());
}

TEST_F(WizardTest, ClosingTheHiddenFrameEndsTheWizardUnsaved) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    const auto before = Profile();
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(WalkToSummary());
    HWND frame = driver::WaitForWindow(HiddenFrame(wizard_.id()), driver::kWaitMs);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForWizardExit("its hidden frame was closed"));
    EXPECT_EQ(Profile(), before) << driver::Describe(Profile());

    // The single-instance lock went with it: a new start works.
    ASSERT_TRUE(StartWizard());
    EXPECT_EQ(driver::TopLevelWindows(HiddenFrame(wizard_.id())).size(), 1u);
}
