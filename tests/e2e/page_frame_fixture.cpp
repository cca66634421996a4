#include "page_frame_fixture.h"

#include <commctrl.h>

#include <sstream>

bool PageFrameTest::StartProbedWizard() { return StartWizard() && probe_.Attach(wizard_.id()); }

bool PageFrameTest::StartHighContrastWizard() {
    highContrast_ = std::make_unique<driver::HighContrast>();
    return StartProbedWizard() && highContrast_->Hook(wizard_.id());
}

bool PageFrameTest::SetHighContrast(bool on) {
    if (!highContrast_) {
        ADD_FAILURE() << "the wizard was started without the high-contrast hook";
        return false;
    }
    highContrast_->Set(on);
    return driver::HighContrast::Announce(sheet_);
}

HWND PageFrameTest::ShownPage() const {
    DWORD_PTR page = 0;
    if (!SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page)) return nullptr;
    return reinterpret_cast<HWND>(page);
}

bool PageFrameTest::ShowPage(int index) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &result);
    return WaitForPage(index);
}

void PageFrameTest::PointAt(int label) {
    HWND window = Label(label);
    ASSERT_NE(window, nullptr) << "the shown page has no label " << frame::kFirstLabel + label;
    driver::MoveCursorTo(window, driver::CentreOf(window));
}

bool PageFrameTest::WaitForCursor(frame_probe::Cursor cursor, const std::string& where) {
    const char* names[] = {"an unknown cursor", "the hand", "the arrow", "another cursor"};
    frame_probe::Cursor shown = frame_probe::kCursorUnknown;
    const bool ok = driver::WaitUntil(
        [&] {
            shown = probe_.Cursor();
            return shown == cursor;
        },
        2000, std::string(names[cursor]) + " " + where);
    if (!ok) ADD_FAILURE() << "the system shows " << names[shown] << " " << where;
    return ok;
}

std::string Describe(const LOGFONTA& font) {
    std::ostringstream text;
    text << '"' << font.lfFaceName << "\" height " << font.lfHeight << " width " << font.lfWidth << " weight "
         << font.lfWeight << (font.lfUnderline ? " underlined" : "") << (font.lfItalic ? " italic" : "");
    return text.str();
}
