#include "wizard_fixture.h"

#include "screen_pixels.h"

#include <commctrl.h>

#include <cctype>
#include <sstream>

namespace wizard {

LONG PixelHeight(int points) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -MulDiv(dpi, points * 10, 720);
}

int FirstArial(HWND fontCombo) {
    const int count = driver::ComboCount(fontCombo);
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        std::string face = driver::ComboItemText(fontCombo, index);
        for (char& c : face) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (face.rfind("arial", 0) == 0) return index;
    }
    return -1;
}

double ShareOf(HWND window, COLORREF colour) {
    return ShareOfPixels(window, [colour](COLORREF pixel) { return pixel == colour; });
}

}  // namespace wizard

namespace {

bool Offers(HWND button) { return button && driver::IsVisible(button) && driver::IsEnabled(button); }

}  // namespace

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
    wizard_.Kill();
    wizard_ = driver::Process::Start(program.empty() ? driver::BinPath("Ravlen.exe") : program);
    if (!wizard_) return false;
    // A wizard's caption is its page's, so the sheet is known by its class and process.
    sheet_ = driver::WaitForWindow({"#32770", {}, wizard_.id()}, driver::kWaitMs);
    return sheet_ != nullptr && WaitForPage(0);
}

bool WizardTest::WaitForWizardExit(const std::string& why) {
    return wizard_.WaitForExit(driver::kWaitMs, "the wizard to end after " + why);
}

HWND WizardTest::ShownPage() const {
    DWORD_PTR page = 0;
    if (!SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page)) return nullptr;
    return reinterpret_cast<HWND>(page);
}

int WizardTest::PageIndex() const {
    HWND page = ShownPage();
    DWORD_PTR index = 0;
    if (!page || !SendMessageTimeoutA(sheet_, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, SMTO_ABORTIFHUNG,
                                      5000, &index)) {
        return -1;
    }
    return static_cast<int>(index);
}

bool WizardTest::WaitForPage(int index) {
    return driver::WaitUntil([&] { return PageIndex() == index; }, driver::kWaitMs,
                             "page " + std::to_string(index) + " to be shown");
}

bool WizardTest::ShowPage(int index) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &result);
    return WaitForPage(index);
}

std::string WizardTest::Offered() const {
    std::string buttons;
    const std::pair<int, const char*> all[] = {
        {wizard::kBack, "Back"}, {wizard::kNext, "Next"}, {wizard::kFinish, "Finish"}};
    for (const auto& [id, name] : all) {
        if (!Offers(Button(id))) continue;
        if (!buttons.empty()) buttons += ' ';
        buttons += name;
    }
    return buttons;
}

bool WizardTest::WaitForOffered(const std::string& buttons) {
    const bool ok = driver::WaitUntil([&] { return Offered() == buttons; }, 2000, "the buttons \"" + buttons + "\"");
    if (!ok) ADD_FAILURE() << "the wizard offers \"" << Offered() << "\"";
    return ok;
}

bool WizardTest::ClickWhenOffered(int button) {
    HWND window = Button(button);
    const bool offered = driver::WaitUntil([&] { return Offers(window); }, driver::kWaitMs,
                                           "button " + std::to_string(button) + " to be offered");
    if (offered) ClickWithMouse(window);
    return offered;
}

bool WizardTest::WalkToSummary() {
    for (int index = PageIndex(); index < wizard::kPageCount - 1; ++index) {
        if (!Next()) return false;
    }
    return true;
}

// The wizard buttons are set by posted messages, and Wine's sheet disables all
// three before it enables the ones asked for: a click whose press and release
// fall on either side of that is lost. So a click waits until the sheet has
// handled what it was sent and posted (two round trips, and no paint pending).
void WizardTest::ClickWithMouse(HWND control) {
    driver::WaitUntilPainted(sheet_, driver::kWaitMs);
    driver::ClickAt(control, driver::CentreOf(control));
}

bool WizardTest::Jump(int label) {
    ClickWithMouse(Label(label));
    return WaitForPage(label + 1);
}

void WizardTest::PointAt(int label) {
    HWND window = Label(label);
    ASSERT_NE(window, nullptr) << "the shown page has no label " << IDC_TAB_INTERNET_NAV + label;
    driver::MoveCursorTo(window, driver::CentreOf(window));
}

bool WizardTest::WaitForCursor(frame_probe::Cursor cursor, const std::string& where) {
    const char* names[] = {"an unknown cursor", "the hand", "the arrow", "another cursor"};
    const bool ok = driver::WaitUntil([&] { return probe_.Cursor() == cursor; }, 2000, names[cursor] + (" " + where));
    if (!ok) ADD_FAILURE() << "the system shows " << names[probe_.Cursor()] << " " << where;
    return ok;
}

HWND WizardTest::ShownDialog() const {
    for (HWND window : driver::TopLevelWindows({"#32770", {}, wizard_.id()})) {
        if (window != sheet_ && driver::IsVisible(window)) return window;
    }
    return nullptr;
}

bool WizardTest::AnswerPrintDialog(int button) {
    HWND dialog = nullptr;
    if (!driver::WaitUntil([&] { return (dialog = ShownDialog()) != nullptr; }, driver::kWaitMs, "the print dialog")) {
        return false;
    }
    HWND answer = GetDlgItem(dialog, button);
    EXPECT_NE(answer, nullptr) << "the print dialog has no button " << button;
    driver::ClickButton(answer);
    return driver::WaitUntil([&] { return !IsWindow(dialog) || !driver::IsVisible(dialog); }, driver::kWaitMs,
                             "the print dialog to close");
}

std::string Describe(const LOGFONTA& font) {
    std::ostringstream text;
    text << '"' << font.lfFaceName << "\" height " << font.lfHeight << " width " << font.lfWidth << " weight "
         << font.lfWeight << (font.lfUnderline ? " underlined" : "") << (font.lfItalic ? " italic" : "");
    return text.str();
}
