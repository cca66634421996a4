// The wizard in the language of the locale it is started in, one run per
// locale (Wine takes a process's interface language from its locale; the
// runs set LC_ALL, and RAVLEN_UI_LANGUAGE, a LANGID in hex, says which
// language the run is meant to have). Page by page: every text is the
// template's or the program's string in that language, every control sits on
// its reference pixels, every text fits its control as drawn (measured inside
// the wizard), Chinese and Japanese texts draw as glyphs, and Czech and
// Turkish ones keep their letters through their code pages.
#include "built_program.h"
#include "frame_probe.h"
#include "key_row.h"
#include "wizard_fixture.h"

#include <commctrl.h>

#include <cstdlib>
#include <set>

namespace {

using namespace languages;
using driver::ShownText;

// The code pages that the 8-bit texts of these languages go through, and a
// Welcome page label of each with letters that the Western code page lacks:
// shown as written here, the resources kept them, and a letter lost on the
// way through the 8-bit calls shows wherever a shown text (read back as
// UTF-16) is compared with its template's.
const struct {
    LANGID language;
    UINT codePage;
    int id;
    const wchar_t* text;
} kCodePageTexts[] = {
    {0x0405, 1250, IDC_TAB_CUSTOMIZE_KEYS, L"P\u0159izp\u016Fsobit kl\u00E1vesy"},
    {0x041F, 1254, IDC_TAB_INTERNET_NAV, L"\u0130nternet Gezintisi"},
};

class LanguageWalkTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        // Without its locale generated, Wine would quietly run in English.
        ASSERT_EQ(GetUserDefaultUILanguage(), language_) << "this run's locale is not the one asked for; generate it";
        ASSERT_TRUE(program_);
    }

    // The texts the program sets while it runs may be its strings in that
    // language instead of the template's text.
    void ExpectShown(const driver::DialogItem& item, const std::string& shown, LANGID language) {
        const std::string& text = item.text.name;
        auto oneOf = [&](UINT first, UINT last) {
            std::set<std::string> texts = {text};
            for (UINT id = first; id <= last; ++id) texts.insert(program_.String(id, language).value_or("?"));
            EXPECT_EQ(texts.count(shown), 1u) << "control " << item.id << " shows \"" << shown << "\"";
        };
        switch (item.id) {
        case IDC_VERSION:
        case IDC_SUMMARY_OSD_FACE:
        case IDC_SUMMARY_OSD_SIZE:
        case IDC_SUMMARY_OSD_COLOR:  // a label the program completes with a value
            EXPECT_EQ(shown.rfind(text.substr(0, text.find_last_not_of(' ') + 1), 0), 0u)
                << "control " << item.id << " shows \"" << shown << "\"";
            return;
        case IDC_SUMMARY_INAV:
        case IDC_SUMMARY_LUMORA:
        case IDC_SUMMARY_PRINT: return oneOf(IDS_ENABLE, IDS_NO);
        case IDC_SUMMARY_TRAY: return oneOf(IDS_SHOW_TRAY_ICON, IDS_HIDE_TRAY_ICON);
        case IDC_CHOOSER_PROMPT: return oneOf(IDS_SELECT_FILE, IDS_SELECT_PROGRAM);
        default: break;
        }
        if ((item.id >= IDC_KEY1_NAME && item.id <= IDC_KEY7_NAME) ||
            (item.id >= IDC_SUMMARY_KEY1_NAME && item.id <= IDC_SUMMARY_KEY7_NAME)) {
            oneOf(IDS_KEY1_NAME, IDS_KEY7_NAME);
        } else if (!text.empty()) {
            EXPECT_EQ(shown, text) << "control " << item.id;
        }
    }

    // The shown page against its template in that language, and every control
    // on its reference pixels (6 for 4 dialog units across; 13 for 8 down, 12
    // in Traditional Chinese). Unnamed texts come from the same template.
    void ExpectPageIn(int index, LANGID language) {
        const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[index]), language);
        ASSERT_TRUE(dialog);
        HWND page = ShownPage();
        ASSERT_TRUE(page);
        EXPECT_TRUE(ShownText(sheet_) == dialog->caption ||
                    ShownText(sheet_) == program_.String(IDS_WIZARD_CAPTION, language).value_or("?"))
            << "caption \"" << ShownText(sheet_) << "\"";
        const int down = GetUserDefaultUILanguage() == kTraditionalChinese ? 12 : 13;
        for (const driver::DialogItem& item : dialog->items) {
            if (static_cast<WORD>(item.id) == 0xFFFF) continue;
            const bool text = (IsClass(item, "Static") || IsClass(item, "Button")) && !item.text.IsOrdinal() &&
                              (item.style & SS_TYPEMASK) != SS_BLACKFRAME;
            HWND control = GetDlgItem(page, item.id);
            if (!control) {  // replaced at run time, unless it has a text
                EXPECT_FALSE(text) << "no control " << item.id;
                continue;
            }
            if (text) ExpectShown(item, ShownText(control), language);
            const RECT rect = driver::RectIn(control, page);
            EXPECT_LE(std::abs(rect.left - MulDiv(item.x, 6, 4)), 1) << "control " << item.id << " left";
            EXPECT_LE(std::abs(rect.top - MulDiv(item.y, down, 8)), 1) << "control " << item.id << " top";
        }
    }

    // Every misfit of the shown page, each a failure.
    void ExpectTextsFit(driver::TextProbe& text, int page, HWND dialog = nullptr) {
        ASSERT_TRUE(Painted());
        const auto misfits = text.Misfits(dialog);
        ASSERT_TRUE(misfits) << "page " << page << " cannot be measured";
        for (const text_probe::Misfit& misfit : *misfits) {
            ADD_FAILURE() << LanguageTag(language_) << ", page " << page << ": " << driver::Describe(misfit);
        }
    }

    // The title is drawn in "Arial", a label in the dialog's own face: in
    // Chinese and Japanese both must come out as glyphs, not as empty boxes.
    void ExpectGlyphs(driver::TextProbe& text) {
        for (int id : {IDC_TITLE, IDC_TAB_PRINT_LABEL}) {
            const auto glyphs = text.Glyphs(id);
            ASSERT_TRUE(glyphs) << "control " << id;
            EXPECT_GT(glyphs->characters, 0) << "control " << id;
            EXPECT_EQ(glyphs->blank, 0) << "control " << id << ": drawn as nothing in \"" << glyphs->face << "\"";
            EXPECT_EQ(glyphs->sameAsMissing, 0) << "control " << id << ": drawn as the missing-glyph box";
        }
    }

    bool Cjk() const { return language_ == 0x0411 || language_ == 0x0804 || language_ == kTraditionalChinese; }

    const LANGID language_ = RunLanguage();
    const std::string tag_ = LanguageTag(language_);
    BuiltProgram program_;
};

TEST_F(LanguageWalkTest, EveryPageByNextShowsTheLanguageAndItsTextsFit) {
    ASSERT_TRUE(StartProbedWizard());
    driver::TextProbe text(probe_);
    // Without the language, the system falls back to English.
    const LANGID shown = program_.Has(RT_DIALOG, IDD_WELCOME, language_) ? language_ : kEnglish;
    for (const auto& run : kCodePageTexts) {
        if (run.language != language_) continue;
        EXPECT_EQ(GetACP(), run.codePage) << "the run's code page is not the language's";
        EXPECT_EQ(ShownText(Control(run.id)), driver::Utf8(run.text)) << "control " << run.id;
    }
    for (int page = 0; page < wizard::kPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page) + " in " + tag_);
        ASSERT_TRUE(WaitForPage(page));
        ExpectTextsFit(text, page);
        ExpectPageIn(page, shown);
        if (Cjk()) ExpectGlyphs(text);
        driver::SaveScreenshot("lang-" + tag_ + "-page-" + std::to_string(page), sheet_);
        if (page + 1 < wizard::kPageCount) {
            ASSERT_TRUE(Next());
        }
    }
    // The About box, which the hidden frame opens over the wizard.
    PostMessageA(Frame(), WM_COMMAND, ID_APP_ABOUT, 0);
    HWND about = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (about = ShownDialog()) != nullptr; }, driver::kWaitMs,
                                  "the About box shown"));
    ExpectTextsFit(text, -1, about);
}

// The texts shown only for other choices: the Summary's for stored choices
// the other way round and the largest size, the Customize Keys page's with a
// key picked and each kind of function's prompt. Then every page in high
// contrast, for a person to look at.
TEST_F(LanguageWalkTest, OtherChoicesTextsFitAndHighContrastScreenshots) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(SetProfileNumber("Buttons", "OSDEnable", 0));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "SelSize", 72));
    ASSERT_TRUE(StartHighContrastWizard());
    driver::TextProbe text(probe_);
    ASSERT_TRUE(ShowPage(wizard::kSummaryPage));
    ExpectTextsFit(text, wizard::kSummaryPage);

    ASSERT_TRUE(ShowPage(key_row::kPage));
    driver::ClickAt(ShownPage(), key_row::KeyCentre(0));
    ASSERT_TRUE(driver::WaitUntil([&] { return Enabled(IDC_FUNCTION_WEB_PAGE); }, driver::kWaitMs, "the radios"));
    for (int function : {IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE, IDC_FUNCTION_WEB_PAGE}) {
        SCOPED_TRACE("function " + std::to_string(function));
        Click(function);
        ASSERT_TRUE(driver::WaitUntil([&] { return Checked(function); }, driver::kWaitMs, "the function checked"));
        ExpectTextsFit(text, key_row::kPage);
        driver::SaveScreenshot("text-" + tag_ + "-3-customize-keys-" + std::to_string(function), sheet_);
    }

    ASSERT_TRUE(SetHighContrast(true));
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        ASSERT_TRUE(Painted());
        driver::SaveScreenshot("frame-hc-" + tag_ + "-page-" + std::to_string(page), sheet_);
    }
}

}  // namespace
