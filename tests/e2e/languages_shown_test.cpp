// The wizard in the language of the locale it is started in, one run per
// locale (Wine takes a process's interface language from its locale; the
// runs set LC_ALL, and RAVLEN_UI_LANGUAGE, a LANGID in hex, says which
// language the run is meant to have). Page by page: every text is the
// template's or the program's string in that language, every control sits on
// its reference pixels, every text fits its control as drawn (measured inside
// the wizard), Chinese and Japanese texts draw as glyphs, and Czech and
// Turkish ones keep their letters through their code pages.
#include "built_program.h"
#include "key_row.h"
#include "text_probe.h"
#include "wizard_fixture.h"

#include <commctrl.h>

#include <cstdlib>
#include <set>

namespace {

using namespace languages;
using driver::ShownText;

// Texts read back as UTF-16 (WM_GETTEXT through the wide function), where a
// letter lost or changed on its way through the 8-bit calls shows.
struct ReadBack {
    int page;
    int id;  // -1: the sheet's title
    const wchar_t* text;
};

struct CodePageRun {
    LANGID language;
    UINT codePage;
    ReadBack texts[4];
};

const CodePageRun kCodePageRuns[] = {
    {0x0405, 1250,
     {{0, -1, L"Pr\u016Fvodce konfigurac\u00ED kl\u00E1vesnice Quelmar USB Tessival"},
      {0, IDC_TITLE, L"V\u00EDtejte"},
      {0, IDC_TAB_CUSTOMIZE_KEYS, L"P\u0159izp\u016Fsobit kl\u00E1vesy"},
      {4, IDC_PRINT_BLACK_ON_WHITE, L"\u010Cern\u00E9 p\u00EDsmo na b\u00EDl\u00E9m pozad\u00ED."}}},
    {0x041F, 1254,
     {{0, -1, L"Quelmar USB Tessival Klavye Yap\u0131land\u0131rma Sihirbaz\u0131"},
      {0, IDC_TITLE, L"Ho\u015F Geldiniz"},
      {0, IDC_TAB_INTERNET_NAV, L"\u0130nternet Gezintisi"},
      {1, IDC_INAV_ENABLE, L"\u0130nternet Gezintisi tu\u015Flar\u0131n\u0131 etkinle\u015Ftir"}}},
};

// Whether the Western code page (1252) would lose a letter of the text, so
// that the text tells a run in the right code page from one in the wrong.
bool LostInWestern(const wchar_t* text) {
    BOOL lost = FALSE;
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, nullptr, &lost);
    return lost != FALSE;
}

std::string RightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

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
            EXPECT_EQ(shown.rfind(RightTrimmed(text), 0), 0u) << "control " << item.id << " shows \"" << shown << "\"";
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

    // The shown page against its template in that language: named controls by
    // id, unnamed ones as a set, and every control on its reference pixels (6
    // for 4 dialog units across; 13 for 8 down, 12 in Traditional Chinese).
    void ExpectPageIn(int index, LANGID language) {
        const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[index]), language);
        ASSERT_TRUE(dialog);
        HWND page = ShownPage();
        ASSERT_TRUE(page);
        EXPECT_TRUE(ShownText(sheet_) == dialog->caption ||
                    ShownText(sheet_) == program_.String(IDS_WIZARD_CAPTION, language).value_or("?"))
            << "caption \"" << ShownText(sheet_) << "\"";
        const int down = GetUserDefaultUILanguage() == kTraditionalChinese ? 12 : 13;
        std::multiset<std::string> unnamedExpected, unnamedShown;
        for (const driver::DialogItem& item : dialog->items) {
            const bool text = (IsClass(item, "Static") || IsClass(item, "Button")) && !item.text.IsOrdinal() &&
                              (item.style & SS_TYPEMASK) != SS_BLACKFRAME;
            if (static_cast<WORD>(item.id) == 0xFFFF) {
                if (text && !item.text.name.empty()) unnamedExpected.insert(item.text.name);
                continue;
            }
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
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::string kind = driver::ClassName(child);
            const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
            if (static_cast<WORD>(GetDlgCtrlID(child)) != 0xFFFF || (kind != "Static" && kind != "Button") ||
                (kind == "Static" && (type == SS_BITMAP || type == SS_ICON))) {
                continue;
            }
            if (!ShownText(child).empty()) unnamedShown.insert(ShownText(child));
        }
        EXPECT_EQ(unnamedShown, unnamedExpected);
    }

    bool ShowsWelcomeOf(LANGID language) {
        const auto dialog = program_.Dialog(IDD_WELCOME, language);
        return dialog && dialog->Find(IDC_TITLE)->text.name == ShownText(Control(IDC_TITLE)) &&
               dialog->Find(IDC_WELCOME_LINE1)->text.name == ShownText(Control(IDC_WELCOME_LINE1));
    }

    // Every misfit of the shown page, each a failure.
    void ExpectTextsFit(driver::TextProbe& text, int page) {
        ASSERT_TRUE(Painted());
        const auto misfits = text.Misfits();
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

    // The text read back letter for letter, and still the template's own.
    void ExpectReadBack(const ReadBack& shown) {
        const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[shown.page]), language_);
        ASSERT_TRUE(dialog);
        const driver::DialogItem* item = shown.id < 0 ? nullptr : dialog->Find(shown.id);
        const std::string expected = driver::Utf8(shown.text);
        EXPECT_EQ(shown.id < 0 ? dialog->caption : item ? item->text.name : "", expected)
            << "the template no longer has the text written here";
        EXPECT_EQ(ShownText(shown.id < 0 ? sheet_ : Control(shown.id)), expected) << "control " << shown.id;
    }

    bool Cjk() const { return language_ == 0x0411 || language_ == 0x0804 || language_ == kTraditionalChinese; }

    const LANGID language_ = RunLanguage();
    const std::string tag_ = LanguageTag(language_);
    BuiltProgram program_;
};

TEST_F(LanguageWalkTest, EveryPageByNextShowsTheLanguageAndItsTextsFit) {
    const CodePageRun* codePage = nullptr;
    for (const CodePageRun& run : kCodePageRuns) {
        if (run.language == language_) codePage = &run;
    }
    if (codePage) {
        EXPECT_EQ(GetACP(), codePage->codePage) << "the code page for 8-bit text is not the language's";
        for (const ReadBack& shown : codePage->texts) {
            if (shown.id != IDC_TITLE) {
                EXPECT_TRUE(LostInWestern(shown.text)) << driver::Utf8(shown.text);
            }
        }
    }
    ASSERT_TRUE(StartProbedWizard());
    driver::TextProbe text(probe_);
    // Without the language, Wine falls back to English; Windows may pick
    // another of the fifteen.
    LANGID shown = program_.Has(RT_DIALOG, IDD_WELCOME, language_) ? language_ : 0;
    if (shown) {
        ASSERT_TRUE(ShowsWelcomeOf(shown)) << "the wizard does not show " << tag_;
    } else {
        for (LANGID language : kLanguages) {
            if (!shown && ShowsWelcomeOf(language)) shown = language;
        }
        ASSERT_NE(shown, 0) << "the Welcome page is in none of the program's languages";
    }
    for (int page = 0; page < wizard::kPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page) + " in " + tag_);
        ASSERT_TRUE(WaitForPage(page));
        ExpectTextsFit(text, page);
        ExpectPageIn(page, shown);
        if (Cjk()) ExpectGlyphs(text);
        for (size_t i = 0; codePage && i < std::size(codePage->texts); ++i) {
            if (codePage->texts[i].page == page) ExpectReadBack(codePage->texts[i]);
        }
        driver::SaveScreenshot("lang-" + tag_ + "-page-" + std::to_string(page), sheet_);
        if (page + 1 < wizard::kPageCount) {
            ASSERT_TRUE(Next());
        }
    }
}

// The texts shown only for other choices: the Summary's for stored choices
// the other way round and the largest size, the Customize Keys page's with a
// key picked and a web page asked for. Then every page in high contrast, for
// a person to look at.
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
    Click(IDC_FUNCTION_WEB_PAGE);
    ASSERT_TRUE(driver::WaitUntil([&] { return Shown(IDC_TEST); }, driver::kWaitMs, "the Test button shown"));
    ExpectTextsFit(text, key_row::kPage);
    driver::SaveScreenshot("text-" + tag_ + "-3-customize-keys-web-page", sheet_);

    ASSERT_TRUE(SetHighContrast(true));
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        ASSERT_TRUE(Painted());
        driver::SaveScreenshot("frame-hc-" + tag_ + "-page-" + std::to_string(page), sheet_);
    }
}

}  // namespace
