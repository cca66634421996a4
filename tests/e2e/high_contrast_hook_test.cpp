// The test-side high-contrast hook, checked on a small probe program whose
// caption shows what its own SystemParametersInfoA reports:
// "<on|off> <WM_SETTINGCHANGE count> <wheel scroll lines>".
#include "driver.h"
#include "high_contrast.h"
#include "remote_library.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Probe {
    driver::Process process;
    HWND window = nullptr;
};

Probe StartProbe() {
    Probe probe;
    probe.process = driver::Process::Start(driver::FileBesideTest("HighContrastProbe.exe"));
    if (probe.process) {
        probe.window = driver::WaitForWindow({"HighContrastProbe", {}, probe.process.id()}, driver::kWaitMs);
    }
    return probe;
}

std::string Caption(const char* state, int settingChanges, const std::string& wheelLines) {
    return std::string(state) + " " + std::to_string(settingChanges) + " " + wheelLines;
}

// The probe's wheel setting, as the system reports it without a hook.
std::string WheelLines(HWND probe) {
    const std::string caption = driver::Text(probe);
    return caption.substr(caption.find_last_of(' ') + 1);
}

}  // namespace

TEST(HighContrastHook, AHookedProgramReportsTheStateTheTestSets) {
    driver::HighContrast highContrast;
    Probe hooked = StartProbe();
    Probe plain = StartProbe();
    ASSERT_TRUE(hooked.window && plain.window);
    const std::string wheel = WheelLines(plain.window);
    ASSERT_EQ(driver::Text(plain.window), Caption("off", 0, wheel));
    ASSERT_EQ(driver::Text(hooked.window), Caption("off", 0, wheel));
    ASSERT_TRUE(highContrast.Hook(hooked.process.id()));

    // The state is read at the query, not when it is set: only the next
    // WM_SETTINGCHANGE shows it. Other queries still reach the system.
    highContrast.Set(true);
    EXPECT_EQ(driver::Text(hooked.window), Caption("off", 0, wheel));
    ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
    EXPECT_EQ(driver::Text(hooked.window), Caption("on", 1, wheel));

    // A program that is not hooked still gets Wine's answer.
    ASSERT_TRUE(driver::HighContrast::Announce(plain.window));
    EXPECT_EQ(driver::Text(plain.window), Caption("off", 1, wheel));

    highContrast.Set(false);
    ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
    EXPECT_EQ(driver::Text(hooked.window), Caption("off", 2, wheel));
    highContrast.Set(true);
    ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
    EXPECT_EQ(driver::Text(hooked.window), Caption("on", 3, wheel));

    // Hooking again is harmless.
    EXPECT_TRUE(highContrast.Hook(hooked.process.id()));
    ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
    EXPECT_EQ(driver::Text(hooked.window), Caption("on", 4, wheel));
}

TEST(HighContrastHook, EveryHookedProgramSharesTheState) {
    driver::HighContrast highContrast;
    Probe first = StartProbe();
    Probe second = StartProbe();
    ASSERT_TRUE(first.window && second.window);
    ASSERT_TRUE(highContrast.Hook(first.process.id()));
    ASSERT_TRUE(highContrast.Hook(second.process.id()));
    const std::string wheel = WheelLines(first.window);

    highContrast.Set(true);
    for (HWND window : {first.window, second.window}) {
        ASSERT_TRUE(driver::HighContrast::Announce(window));
        EXPECT_EQ(driver::Text(window), Caption("on", 1, wheel));
    }
}

TEST(HighContrastHook, WithTheTestsStateGoneTheSystemAnswersAgain) {
    Probe hooked = StartProbe();
    ASSERT_TRUE(hooked.window);
    const std::string wheel = WheelLines(hooked.window);
    {
        driver::HighContrast highContrast;
        ASSERT_TRUE(highContrast.Hook(hooked.process.id()));
        highContrast.Set(true);
        ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
        ASSERT_EQ(driver::Text(hooked.window), Caption("on", 1, wheel));
    }
    ASSERT_TRUE(driver::HighContrast::Announce(hooked.window));
    EXPECT_EQ(driver::Text(hooked.window), Caption("off", 2, wheel));
}

TEST(HighContrastHook, HookingAProgramThatHasEndedIsReported) {
    driver::HighContrast highContrast;
    Probe ended = StartProbe();
    ASSERT_TRUE(ended.window);
    const DWORD id = ended.process.id();
    ended.process.Kill();
    // Windows may no longer know the process at all; Wine still opens it.
    const std::string expected = "cannot hook process " + std::to_string(id);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(highContrast.Hook(id)), expected.c_str());
}
