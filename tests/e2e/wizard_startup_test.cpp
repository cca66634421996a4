#include "../../tools/hooks/frame_probe_state.h"
#include "driver.h"
#include "wizard_fixture.h"

namespace {

// A CBT hook over the whole desktop that keeps Ravlen.exe from making its
// sheet, for as long as it is set.
class SheetRefused {
public:
    SheetRefused() : refused_(CreateEventA(nullptr, TRUE, FALSE, frame_probe::kSheetRefusedEvent)) {
        library_ = LoadLibraryA(driver::FileBesideTest(frame_probe::kLibrary).c_str());
        auto proc = library_ ? reinterpret_cast<HOOKPROC>(
                                   reinterpret_cast<void*>(GetProcAddress(library_, frame_probe::kRefuseSheetProc)))
                             : nullptr;
        hook_ = proc ? SetWindowsHookExA(WH_CBT, proc, library_, 0) : nullptr;
    }
    ~SheetRefused() {
        if (hook_) UnhookWindowsHookEx(hook_);
        if (library_) FreeLibrary(library_);
    }
    SheetRefused(const SheetRefused&) = delete;
    SheetRefused& operator=(const SheetRefused&) = delete;
    explicit operator bool() const { return hook_ && refused_; }
    bool Refused() const { return WaitForSingleObject(refused_.get(), 0) == WAIT_OBJECT_0; }

private:
    UniqueHandle refused_;
    HMODULE library_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace

TEST_F(WizardTest, OneWizardPerSessionWithAHiddenFrameAndNoOwner) {
    ASSERT_TRUE(StartWizard());
    auto frames = driver::TopLevelWindows({"RavlenClass", {}, wizard_.id()});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(driver::IsVisible(frames[0])) << "the frame is never shown";
    EXPECT_TRUE(driver::IsVisible(sheet_));
    EXPECT_EQ(driver::Owner(sheet_), nullptr) << "the wizard is a top-level window of its own";
    EXPECT_TRUE(UniqueHandle(OpenMutexA(SYNCHRONIZE, FALSE, "RavlenClass"))) << "others find it by its mutex";

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

// The frame's close and its Exit command end the wizard as its close box
// would; the single-instance lock goes with it, so the next start works.
TEST_F(WizardTest, ClosingTheHiddenFrameOrItsExitEndsTheWizardUnsaved) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    const auto before = Profile();
    for (const auto& [message, command] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_COMMAND, ID_APP_EXIT}}) {
        ASSERT_TRUE(StartWizard());
        ASSERT_TRUE(WalkToSummary());
        HWND frame = Frame();
        ASSERT_NE(frame, nullptr);
        PostMessageA(frame, message, command, 0);
        ASSERT_TRUE(WaitForWizardExit("its frame was sent message " + std::to_string(message)));
        EXPECT_EQ(Profile(), before) << driver::Describe(Profile());
    }
}

// A sheet that cannot be made ends the program instead of leaving it waiting
// behind its hidden frame, holding the single-instance lock.
TEST_F(WizardTest, ASheetThatCannotBeMadeEndsTheProgram) {
    {
        SheetRefused refusal;
        ASSERT_TRUE(refusal) << "cannot set the desktop's CBT hook (error " << GetLastError() << ")";
        wizard_ = driver::Process::Start(driver::BinPath("Ravlen.exe"));
        ASSERT_TRUE(wizard_);
        ASSERT_TRUE(driver::WaitUntil([&] { return refusal.Refused(); }, driver::kWaitMs, "the sheet to be refused"));
        ASSERT_TRUE(WaitForWizardExit("its sheet could not be made"));
    }
    ASSERT_TRUE(StartWizard());
    EXPECT_TRUE(driver::IsVisible(sheet_));
}
