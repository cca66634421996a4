// Czech and Turkish texts reach the screen through the program's 8-bit calls,
// so they keep their letters only where the system's code page for programs
// that are not Unicode is theirs (1250, 1254), as on Windows. The runs in
// those locales read texts back from the running wizard as UTF-16 (WM_GETTEXT
// through the wide function), where a letter lost or changed on its way
// through a code page shows, and compare them letter for letter with the
// template's own text and with the text as written here.
#include "built_program.h"
#include "wizard_fixture.h"

#include <string>

namespace {

struct ReadBack {
    int page;  // the page index
    int id;    // the control, -1 for the sheet's title while that page is shown
    const wchar_t* text;
};

struct CodePageRun {
    LANGID language;
    UINT codePage;
    ReadBack caption;  // the sheet's title on the Welcome page
    ReadBack title;     // the Welcome page's own title
    ReadBack label;     // a Tab strip label
    ReadBack radio;
};

const CodePageRun kRuns[] = {
    {0x0405, 1250,
     {0, -1, L"Pr\u016Fvodce konfigurac\u00ED kl\u00E1vesnice Quelmar USB Tessival"},
     {0, IDC_TITLE, L"V\u00EDtejte"},
     {0, IDC_TAB_CUSTOMIZE_KEYS, L"P\u0159izp\u016Fsobit kl\u00E1vesy"},
     {4, IDC_PRINT_BLACK_ON_WHITE, L"\u010Cern\u00E9 p\u00EDsmo na b\u00EDl\u00E9m pozad\u00ED."}},
    {0x041F, 1254,
     {0, -1, L"Quelmar USB Tessival Klavye Yap\u0131land\u0131rma Sihirbaz\u0131"},
     {0, IDC_TITLE, L"Ho\u015F Geldiniz"},
     {0, IDC_TAB_INTERNET_NAV, L"\u0130nternet Gezintisi"},
     {1, IDC_INAV_ENABLE, L"\u0130nternet Gezintisi tu\u015Flar\u0131n\u0131 etkinle\u015Ftir"}},
};

// Whether the Western code page (1252) would lose a letter of the text, so
// that the text can tell a run in the right code page from one in the wrong.
bool LostInWestern(const wchar_t* text) {
    BOOL lost = FALSE;
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, nullptr, &lost);
    return lost != FALSE;
}

class CodePageTextTest : public WizardTest {
protected:
    // The template's own text of the control (or caption) in that language.
    std::string TemplateText(const ReadBack& shown, LANGID language) const {
        const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[shown.page]), language);
        if (!dialog) return "(no template)";
        if (shown.id < 0) return dialog->caption;
        const driver::DialogItem* item = dialog->Find(shown.id);
        return item ? item->text.name : "(no control)";
    }

    void ExpectShown(const ReadBack& shown, LANGID language) {
        SCOPED_TRACE("page " + std::to_string(shown.page) + ", control " + std::to_string(shown.id));
        ASSERT_TRUE(ShowPage(shown.page));
        HWND window = shown.id < 0 ? sheet_ : Control(shown.id);
        ASSERT_TRUE(window) << "no such control";
        const std::string expected = driver::Utf8(shown.text);
        EXPECT_EQ(TemplateText(shown, language), expected) << "the template no longer has the text written here";
        EXPECT_EQ(driver::ShownText(window), expected);
    }

    languages::BuiltProgram program_;
};

TEST_F(CodePageTextTest, TextsComeBackLetterForLetterThroughTheLanguagesCodePage) {
    const LANGID language = languages::RunLanguage();
    const CodePageRun* run = nullptr;
    for (const CodePageRun& candidate : kRuns) {
        if (candidate.language == language) run = &candidate;
    }
    if (!run) GTEST_SKIP() << "the wizard runs in " << languages::LanguageTag(language) << ", not in Czech or Turkish";
    ASSERT_TRUE(program_);
    // The wizard is started in the locale this test runs in.
    ASSERT_EQ(GetUserDefaultUILanguage(), language) << "this run's locale is not the one asked for";
    EXPECT_EQ(GetACP(), run->codePage) << "the code page for 8-bit text is not the language's";
    for (const ReadBack* shown : {&run->caption, &run->label, &run->radio}) {
        EXPECT_TRUE(LostInWestern(shown->text))
            << "\"" << driver::Utf8(shown->text) << "\" would pass in code page 1252 too";
    }

    ASSERT_TRUE(StartWizard());
    for (const ReadBack* shown : {&run->caption, &run->title, &run->label, &run->radio}) {
        ExpectShown(*shown, language);
    }
}

}  // namespace
