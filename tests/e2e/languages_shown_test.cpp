// The wizard in the language its process runs in. Wine takes a process's
// interface language from the locale it was started with, so each language is
// a run of this program of its own, under LC_ALL; RAVLEN_UI_LANGUAGE (a LANGID
// in hex) says which language the run was meant to have.
#include "built_program.h"
#include "wizard_fixture.h"

#include <commctrl.h>

#include <cstdlib>

#include <map>
#include <set>
#include <vector>

namespace {

using languages::BuiltProgram;
using languages::IsClass;
using languages::kEnglish;
using languages::kLanguages;
using languages::LanguageTag;
using languages::RunLanguage;

using driver::ShownText;

std::string RightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

class ShownLanguageTest : public WizardTest {
protected:
    HWND CurrentPage() const {
        DWORD_PTR page = 0;
        SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page);
        return reinterpret_cast<HWND>(page);
    }

    // The texts the program sets while it runs may be its strings in that
    // language instead of the template's text; names the check of a control.
    void ExpectShown(const driver::DialogItem& item, const std::string& shown, LANGID language) {
        const std::string& text = item.text.name;
        auto strings = [&](UINT first, UINT last) {
            std::set<std::string> texts = {text};
            for (UINT id = first; id <= last; ++id) texts.insert(program_.String(id, language).value_or("?"));
            return texts;
        };
        auto expectOneOf = [&](const std::set<std::string>& texts) {
            EXPECT_EQ(texts.count(shown), 1u) << "control " << item.id << " shows \"" << shown << "\"";
        };
        switch (item.id) {
        case IDC_VERSION:
        case IDC_SUMMARY_OSD_FACE:
        case IDC_SUMMARY_OSD_SIZE:
        case IDC_SUMMARY_OSD_COLOR:
            // A label that the program completes with a value.
            EXPECT_TRUE(StartsWith(shown, RightTrimmed(text))) << "control " << item.id << " shows \"" << shown
                                                               << "\", not after \"" << text << "\"";
            return;
        case IDC_SUMMARY_INAV:
        case IDC_SUMMARY_LUMORA:
        case IDC_SUMMARY_PRINT: expectOneOf(strings(IDS_ENABLE, IDS_NO)); return;
        case IDC_SUMMARY_TRAY: expectOneOf(strings(IDS_SHOW_TRAY_ICON, IDS_HIDE_TRAY_ICON)); return;
        case IDC_CHOOSER_PROMPT: expectOneOf(strings(IDS_SELECT_FILE, IDS_SELECT_PROGRAM)); return;
        default: break;
        }
        const bool keyName = (item.id >= IDC_KEY1_NAME && item.id <= IDC_KEY7_NAME) ||
                             (item.id >= IDC_SUMMARY_KEY1_NAME && item.id <= IDC_SUMMARY_KEY7_NAME);
        if (keyName) {
            expectOneOf(strings(IDS_KEY1_NAME, IDS_KEY7_NAME));
        } else if (!text.empty()) {
            EXPECT_EQ(shown, text) << "control " << item.id;
        }
    }

    // Checks the shown page's texts against the template in that language:
    // named controls by id, unnamed ones as a set.
    void ExpectPageIn(int index, LANGID language) {
        SCOPED_TRACE("page " + std::to_string(index) + " in " + LanguageTag(language));
        const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[index]), language);
        ASSERT_TRUE(dialog);
        HWND page = CurrentPage();
        ASSERT_TRUE(page);
        EXPECT_TRUE(ShownText(sheet_) == dialog->caption ||
                    ShownText(sheet_) == program_.String(IDS_WIZARD_CAPTION, language).value_or("?"))
            << "caption \"" << ShownText(sheet_) << "\"";
        std::multiset<std::string> unnamedExpected;
        for (const driver::DialogItem& item : dialog->items) {
            if (!IsClass(item, "Static") && !IsClass(item, "Button")) continue;
            if (item.text.IsOrdinal() || (item.style & SS_TYPEMASK) == SS_BLACKFRAME) continue;
            if (static_cast<WORD>(item.id) == 0xFFFF) {
                if (!item.text.name.empty()) unnamedExpected.insert(item.text.name);
                continue;
            }
            HWND control = GetDlgItem(page, item.id);
            ASSERT_TRUE(control) << "no control " << item.id;
            ExpectShown(item, ShownText(control), language);
        }
        // Every control sits where its template puts it at the reference base
        // units: 6 pixels for 4 dialog units across, and 13 for 8 down, or 12
        // where the interface language is Traditional Chinese.
        const int down = GetUserDefaultUILanguage() == 0x0404 ? 12 : 13;
        for (const driver::DialogItem& item : dialog->items) {
            HWND control = static_cast<WORD>(item.id) == 0xFFFF ? nullptr : GetDlgItem(page, item.id);
            if (!control) continue;
            const RECT rect = driver::RectIn(control, page);
            EXPECT_LE(std::abs(rect.left - MulDiv(item.x, 6, 4)), 1) << "control " << item.id << " left";
            EXPECT_LE(std::abs(rect.top - MulDiv(item.y, down, 8)), 1) << "control " << item.id << " top";
        }
        std::multiset<std::string> unnamedShown;
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (static_cast<WORD>(GetDlgCtrlID(child)) != 0xFFFF) continue;
            const std::string kind = driver::ClassName(child);
            if (kind != "Static" && kind != "Button") continue;
            const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
            if (kind == "Static" && (type == SS_BITMAP || type == SS_ICON)) continue;
            const std::string text = ShownText(child);
            if (!text.empty()) unnamedShown.insert(text);
        }
        EXPECT_EQ(unnamedShown, unnamedExpected);
    }

    // The language whose Welcome title the wizard shows, 0 when none.
    LANGID LanguageShown() {
        const std::string title = ShownText(GetDlgItem(CurrentPage(), IDC_TITLE));
        const std::string line = ShownText(GetDlgItem(CurrentPage(), IDC_WELCOME_LINE1));
        for (LANGID language : kLanguages) {
            const auto dialog = program_.Dialog(IDD_WELCOME, language);
            if (dialog && dialog->Find(IDC_TITLE)->text.name == title &&
                dialog->Find(IDC_WELCOME_LINE1)->text.name == line) {
                return language;
            }
        }
        return 0;
    }

    BuiltProgram program_;
};

TEST_F(ShownLanguageTest, EveryPageShowsTheLanguageTheSystemPicks) {
    const LANGID language = RunLanguage();
    // Without its locale generated, Wine would quietly run in English.
    ASSERT_EQ(GetUserDefaultUILanguage(), language) << "this run's locale is not the one asked for; generate it";
    ASSERT_TRUE(program_);
    const bool translated = program_.Has(RT_DIALOG, IDD_WELCOME, language);
    ASSERT_TRUE(StartWizard());

    const LANGID shown = LanguageShown();
    if (translated) {
        ASSERT_EQ(shown, language) << "the wizard shows " << LanguageTag(shown) << ", not its own language";
    } else {
        // Wine falls back to English; Windows may pick another of the fifteen.
        ASSERT_NE(shown, 0) << "the Welcome page is in none of the program's languages";
    }
    const std::string prefix = "lang-" + LanguageTag(language) + "-page-";
    for (int index = 0; index < wizard::kPageCount; ++index) {
        ASSERT_TRUE(WaitForPage(index));
        ASSERT_TRUE(driver::WaitUntilPainted(sheet_, driver::kWaitMs));
        ExpectPageIn(index, shown);
        driver::SaveScreenshot(prefix + std::to_string(index), sheet_);
        if (index + 1 < wizard::kPageCount) {
            ASSERT_TRUE(Next());
        }
    }
}

}  // namespace
