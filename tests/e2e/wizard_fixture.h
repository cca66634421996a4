// The wizard under test: started fresh in the test prefix with an empty (or
// prepared) profile, its own daemon log, and nothing left running afterwards.
#pragma once

#include "daemon_messages.h"
#include "driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace wizard {

constexpr char kProfile[] = "Software\\Varnholt\\Productivity";
constexpr int kBack = 0x3023;
constexpr int kNext = 0x3024;
constexpr int kFinish = 0x3025;
constexpr int kExtraFinish = 6189;
constexpr int kPageCount = 7;

}  // namespace wizard

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Ravlen.exe (the build's, or the one at program) and waits for its
    // sheet; false (with a failure) if it does not come.
    bool StartWizard(const std::string& program = {});
    // Waits for the wizard's process to end.
    bool WaitForWizardExit(const std::string& why);

    HWND Button(int id) const { return ::GetDlgItem(sheet_, id); }
    // The index of the shown page, -1 when it cannot be told.
    int PageIndex() const;
    bool WaitForPage(int index);
    // Clicks Next with the mouse, as a person does, and waits for the next page.
    bool Next();
    // Walks from the shown page to the Summary page with Next, keeping a
    // screenshot of every page on the way.
    bool WalkToSummary(const std::string& screenshotPrefix = {});
    // Waits for Finish to be offered, clicks it with the mouse and waits for the wizard to end.
    bool FinishWithMouse();
    // Clicks the centre of a control with the mouse.
    void ClickWithMouse(HWND control);

    static void StopDaemons();
    static driver::WindowQuery DaemonWindow() { return {kDaemonWindowClass, {}, 0}; }
    driver::RegistrySnapshot Profile() const { return driver::Snapshot(HKEY_CURRENT_USER, wizard::kProfile); }
    bool SetProfileNumber(const std::string& subkey, const std::string& name, DWORD value) const {
        return driver::WriteNumber(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name, value);
    }
    std::optional<driver::RegistryValue> ProfileValue(const std::string& subkey, const std::string& name) const {
        return driver::ReadValue(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name);
    }
    std::vector<std::string> DaemonLog() const { return driver::ReadLines(logPath_); }

    driver::Process wizard_;
    HWND sheet_ = nullptr;
    std::string logPath_;

private:
    std::unique_ptr<driver::ScopedEnvironment> logEnv_;
};
