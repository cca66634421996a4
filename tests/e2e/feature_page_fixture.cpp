#include "feature_page_fixture.h"

namespace {

bool Offers(HWND button) { return button && driver::IsVisible(button) && driver::IsEnabled(button); }

}  // namespace

std::string FeaturePageTest::Offered() const {
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

bool FeaturePageTest::WaitForOffered(const std::string& buttons) {
    std::string shown;
    const bool ok = driver::WaitUntil(
        [&] {
            shown = Offered();
            return shown == buttons;
        },
        2000, "the buttons \"" + buttons + "\"");
    if (!ok) ADD_FAILURE() << "the wizard offers \"" << shown << "\"";
    return ok;
}

bool FeaturePageTest::Jump(int label) {
    ClickWithMouse(Label(label));
    return WaitForPage(label + 1);
}

bool FeaturePageTest::Press(int button, int toPage) {
    HWND window = Button(button);
    if (!driver::WaitUntil([&] { return Offers(window); }, 2000, "button " + std::to_string(button) + " offered")) {
        return false;
    }
    ClickWithMouse(window);
    return WaitForPage(toPage);
}

HWND FeaturePageTest::PrintDialog() const {
    for (HWND window : driver::TopLevelWindows({"#32770", {}, wizard_.id()})) {
        if (window != sheet_ && driver::IsVisible(window)) return window;
    }
    return nullptr;
}

HWND FeaturePageTest::WaitForPrintDialog() {
    HWND dialog = nullptr;
    driver::WaitUntil(
        [&] {
            dialog = PrintDialog();
            return dialog != nullptr;
        },
        driver::kWaitMs, "the print dialog");
    return dialog;
}

bool FeaturePageTest::AnswerPrintDialog(int button) {
    HWND dialog = WaitForPrintDialog();
    if (!dialog) return false;
    HWND answer = GetDlgItem(dialog, button);
    if (!answer) {
        ADD_FAILURE() << "the print dialog has no button " << button;
        return false;
    }
    driver::ClickButton(answer);
    return driver::WaitUntil([&] { return !IsWindow(dialog) || !driver::IsVisible(dialog); }, driver::kWaitMs,
                             "the print dialog to close");
}
