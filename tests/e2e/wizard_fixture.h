// The wizard under test, as a person uses it: started fresh in the test prefix
// with an empty (or prepared) profile and a daemon log of its own, worked with
// the mouse, and looked at from inside through the frame probe; nothing is
// left running afterwards.
#pragma once

#include "daemon_messages.h"
#include "driver.h"
#include "frame_probe.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace wizard {

constexpr char kProfile[] = "Software\\Varnholt\\Productivity";
// The sheet's own buttons (the extra Finish button is IDC_EXTRA_FINISH).
constexpr int kBack = 0x3023;
constexpr int kNext = 0x3024;
constexpr int kFinish = 0x3025;

constexpr int kPageCount = 7;
constexpr int kOsdPage = 5;
constexpr int kSummaryPage = 6;
// The pages' dialog templates, by page index.
constexpr std::array<int, kPageCount> kTemplates = {IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA, IDD_CUSTOMIZE_KEYS,
                                                    IDD_PRINT_LABEL, IDD_OSD,          IDD_SUMMARY};

// Tab strip labels by index: label IDC_TAB_INTERNET_NAV + i leads to page i + 1.
constexpr int kLabelCount = 6;
constexpr int kToLumora = 1;
constexpr int kToCustomizeKeys = 2;
constexpr int kToPrintLabel = 3;
constexpr int kToSummary = 5;
// The strip index of each page's own label (-1: the Welcome page has none).
constexpr int OwnLabel(int page) { return page - 1; }

// The On-Screen Display colours by their index in the colour list.
constexpr int kWhiteIndex = 15;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// The character height of a point size on this screen, as the program makes it.
LONG PixelHeight(int points);
// The index of the first item after item 0 (wrapping round to it) that begins
// with "Arial" regardless of case; -1 when there is none.
int FirstArial(HWND fontCombo);
// The share of the window's pixels in exactly that colour.
double ShareOf(HWND window, COLORREF colour);

}  // namespace wizard

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the wizard a test started before, starts Ravlen.exe (the build's,
    // or the one at program) and waits for its sheet; false (with a failure)
    // if it does not come.
    bool StartWizard(const std::string& program = {});
    bool StartProbedWizard() { return StartWizard() && probe_.Attach(wizard_.id()); }
    // Starts the wizard with its SystemParametersInfo hooked as well
    // (high contrast off until SetHighContrast).
    bool StartHighContrastWizard() { return StartProbedWizard() && highContrast_.Hook(wizard_.id()); }
    // Switches high contrast and tells the sheet, which re-activates the page.
    bool SetHighContrast(bool on) {
        highContrast_.Set(on);
        return driver::HighContrast::Announce(sheet_);
    }
    // Starts the probed wizard on the On-Screen Display page, painted.
    bool ShowOsdPage() { return StartProbedWizard() && ShowPage(wizard::kOsdPage) && Painted(); }
    bool WaitForWizardExit(const std::string& why);
    // The wizard's hidden main window; null (with a failure) without it.
    HWND Frame() const { return driver::WaitForWindow({"RavlenClass", {}, wizard_.id()}, driver::kWaitMs); }

    HWND Button(int id) const { return ::GetDlgItem(sheet_, id); }
    HWND ShownPage() const;
    HWND Control(int id) const { return GetDlgItem(ShownPage(), id); }
    HWND Label(int index) const { return Control(IDC_TAB_INTERNET_NAV + index); }
    bool Checked(int id) const { return driver::CheckState(Control(id)) == BST_CHECKED; }
    bool Shown(int id) const { return driver::IsVisible(Control(id)); }
    bool Enabled(int id) const { return driver::IsEnabled(Control(id)); }
    bool Painted() const { return driver::WaitUntilPainted(sheet_, driver::kWaitMs); }

    // The index of the shown page, -1 when it cannot be told.
    int PageIndex() const;
    bool WaitForPage(int index);
    // Shows a page as the sheet's own selection does (no strip, no Next).
    bool ShowPage(int index);

    // The wizard buttons offered now (visible and enabled), in their order:
    // "Back", "Back Next", "Back Finish" ...
    std::string Offered() const;
    // Waits until exactly these buttons are offered (they are set by posted messages).
    bool WaitForOffered(const std::string& buttons);
    // Waits until a button of the sheet is offered, then clicks it with the mouse.
    bool ClickWhenOffered(int button);
    // Clicks a wizard button once it is offered, and waits for page index.
    bool Press(int button, int toPage) { return ClickWhenOffered(button) && WaitForPage(toPage); }
    bool Next() { return Press(wizard::kNext, PageIndex() + 1); }
    bool FinishWithMouse() { return ClickWhenOffered(wizard::kFinish) && WaitForWizardExit("Finish"); }
    // Walks from the shown page to the Summary page with Next.
    bool WalkToSummary();
    // Clicks the centre of a control with the mouse.
    void ClickWithMouse(HWND control);
    void Click(int id) { ClickWithMouse(Control(id)); }
    // Clicks a Tab strip label and waits for its page.
    bool Jump(int label);

    // Moves the cursor onto the centre of a strip label, as a person points.
    void PointAt(int label);
    // Waits for the system to show that cursor; false (with a failure) if it does not.
    bool WaitForCursor(frame_probe::Cursor cursor, const std::string& where);

    // A dialog box the wizard shows over its sheet (the print dialog, the
    // About box, an error box), or null when there is none.
    HWND ShownDialog() const;
    // Answers the print dialog with OK or Cancel, and waits for it to go.
    bool AnswerPrintDialog(int button);

    static driver::WindowQuery DaemonWindow() { return {kDaemonWindowClass, {}, 0}; }
    std::vector<std::string> DaemonLog() const { return driver::ReadLines(logPath_); }

    driver::RegistrySnapshot Profile() const { return driver::Snapshot(HKEY_CURRENT_USER, wizard::kProfile); }
    bool SetProfileNumber(const std::string& subkey, const std::string& name, DWORD value) const {
        return driver::WriteNumber(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name, value);
    }
    bool SetProfileString(const std::string& subkey, const std::string& name, const std::string& value) const {
        return driver::WriteString(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name, value);
    }
    std::optional<driver::RegistryValue> ProfileValue(const std::string& subkey, const std::string& name) const {
        return driver::ReadValue(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\" + subkey, name);
    }

    driver::Process wizard_;
    HWND sheet_ = nullptr;
    std::string logPath_;
    driver::FrameProbe probe_;

private:
    static void StopDaemons();

    driver::HighContrast highContrast_;
    std::unique_ptr<driver::ScopedEnvironment> logEnv_;
};

std::string Describe(const LOGFONTA& font);
