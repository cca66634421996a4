#include "wizard_fixture.h"

#include <commctrl.h>

void WizardTest::SetUp() {
    // A wizard left by an earlier run would make ours give way at once.
    driver::KillProcessesNamed("Ravlen.exe");
    StopDaemons();
    driver::DeleteKey(HKEY_CURRENT_USER, wizard::kProfile);
    logPath_ = driver::TempFilePath("DormexDaemon");
    logEnv_ = std::make_unique<driver::ScopedEnvironment>("DORMEX_DAEMON_LOG", logPath_);
}

void WizardTest::TearDown() {
    wizard_.Kill();
    StopDaemons();
    driver::DeleteKey(HKEY_CURRENT_USER, wizard::kProfile);
    DeleteFileA(logPath_.c_str());
}

// A daemon is asked to close as its user would; one that the wizard has only
// just started may not be listening yet, and what a test leaves must not
// reach the next one, so what is left after a while is ended.
void WizardTest::StopDaemons() {
    for (HWND window : driver::TopLevelWindows(DaemonWindow())) PostMessageA(window, WM_CLOSE, 0, 0);
    for (int waited = 0; waited < 3000 && !driver::TopLevelWindows(DaemonWindow()).empty(); waited += 50) Sleep(50);
    driver::KillProcessesNamed("DormexDaemon.exe");
    driver::WaitForNoWindow(DaemonWindow(), driver::kWaitMs);
}

bool WizardTest::StartWizard(const std::string& program) {
    wizard_ = driver::Process::Start(program.empty() ? driver::BinPath("Ravlen.exe") : program);
    if (!wizard_) return false;
    // A wizard's caption is its page's, so the sheet is known by its class and process.
    sheet_ = driver::WaitForWindow({"#32770", {}, wizard_.id()}, driver::kWaitMs);
    return sheet_ != nullptr && WaitForPage(0);
}

bool WizardTest::WaitForWizardExit(const std::string& why) {
    return wizard_.WaitForExit(driver::kWaitMs, "the wizard to end after " + why);
}

int WizardTest::PageIndex() const {
    DWORD_PTR page = 0;
    if (!SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page) || !page) return -1;
    DWORD_PTR index = 0;
    if (!SendMessageTimeoutA(sheet_, PSM_HWNDTOINDEX, page, 0, SMTO_ABORTIFHUNG, 5000, &index)) return -1;
    return static_cast<int>(index);
}

bool WizardTest::WaitForPage(int index) {
    return driver::WaitUntil([&] { return PageIndex() == index; }, driver::kWaitMs,
                             "page " + std::to_string(index) + " to be shown");
}

bool WizardTest::Next() {
    const int from = PageIndex();
    HWND next = Button(wizard::kNext);
    if (!driver::WaitUntil([&] { return driver::IsVisible(next) && driver::IsEnabled(next); }, driver::kWaitMs,
                           "the Next button")) {
        return false;
    }
    ClickWithMouse(next);
    return WaitForPage(from + 1);
}

bool WizardTest::WalkToSummary(const std::string& screenshotPrefix) {
    for (int index = PageIndex(); index < wizard::kPageCount - 1; ++index) {
        if (!screenshotPrefix.empty()) driver::SaveScreenshot(screenshotPrefix + std::to_string(index), sheet_);
        if (!Next()) return false;
    }
    if (!screenshotPrefix.empty()) driver::SaveScreenshot(screenshotPrefix + "6", sheet_);
    return true;
}

bool WizardTest::FinishWithMouse() {
    HWND finish = Button(wizard::kFinish);
    if (!driver::WaitUntil([&] { return driver::IsVisible(finish) && driver::IsEnabled(finish); }, driver::kWaitMs,
                           "the Finish button")) {
        return false;
    }
    ClickWithMouse(finish);
    return WaitForWizardExit("Finish");
}

// The wizard buttons are set by posted messages, and Wine's sheet disables all
// three before it enables the ones asked for: a click whose press and release
// fall on either side of that is lost. So a click waits until the sheet has
// handled what it was sent and posted (two round trips, and no paint pending).
void WizardTest::ClickWithMouse(HWND control) {
    driver::WaitUntilPainted(sheet_, driver::kWaitMs);
    driver::ClickAt(control, driver::CentreOf(control));
}
