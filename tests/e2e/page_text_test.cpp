// The pages' texts as a reader sees them, measured inside the running wizard
// with the fonts they are drawn in: every static and button text fits its
// control, and Chinese and Japanese texts come out as glyphs, not as empty
// boxes. The per-language runs start the wizard in their locales.
#include "built_program.h"
#include "key_row.h"
#include "text_probe.h"
#include "wizard_fixture.h"

#include <cstdio>

// For the screenshots' names, by page index.
constexpr const char* kPageNames[wizard::kPageCount] = {
    "welcome", "internet-navigation", "lumora-keys", "customize-keys", "print-label", "osd", "summary"};

class PageTextTest : public WizardTest {
protected:
    static std::string Language() {
        char language[8] = {};
        std::snprintf(language, sizeof language, "%04x", GetUserDefaultUILanguage());
        return language;
    }

    // The shown page's misfits, each a failure; false when it cannot be measured.
    bool ExpectShownPageTextToFit(driver::TextProbe& text, int page) {
        driver::WaitUntilPainted(sheet_, driver::kWaitMs);
        const auto misfits = text.Misfits();
        if (!misfits) return false;
        for (const text_probe::Misfit& misfit : *misfits) {
            ADD_FAILURE() << languages::LanguageTag(GetUserDefaultUILanguage()) << ", page " << page << " ("
                          << kPageNames[page] << "): " << driver::Describe(misfit);
        }
        return true;
    }

    // Starts the wizard and measures every page's texts; with a screenshot
    // prefix, keeps a picture of each page.
    void ExpectEveryPageTextToFit(const std::string& screenshotPrefix) {
        // Without its locale generated, Wine would quietly measure English.
        ASSERT_EQ(GetUserDefaultUILanguage(), languages::RunLanguage()) << "this run's locale is not the one asked for";
        ASSERT_TRUE(StartProbedWizard());
        driver::TextProbe text(probe_);
        const std::string language = languages::LanguageTag(GetUserDefaultUILanguage());
        for (int page = 0; page < wizard::kPageCount; ++page) {
            ASSERT_TRUE(ShowPage(page));
            ASSERT_TRUE(ExpectShownPageTextToFit(text, page)) << "page " << page;
            if (!screenshotPrefix.empty()) {
                const std::string name = language + "-" + std::to_string(page) + "-" + kPageNames[page];
                driver::SaveScreenshot(screenshotPrefix + name, sheet_);
            }
        }
    }
};

TEST_F(PageTextTest, EveryStaticAndButtonTextOfEveryPageFitsItsControl) { ExpectEveryPageTextToFit("text-"); }

// The Summary shows the other texts of its string table when the stored
// choices are the other way round: key groups off, a label printed, the tray
// icon hidden, the largest size.
TEST_F(PageTextTest, TextsForTheOtherStoredChoicesFitToo) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(SetProfileNumber("Buttons", "OSDEnable", 0));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "SelSize", 72));
    ExpectEveryPageTextToFit({});
}

// The Customize Keys page shows more once a key is picked and choosing a web
// page is asked for: the key's assignment, the address prompt, the Test button.
TEST_F(PageTextTest, CustomizeKeysTextsFitWithAKeyPickedAndAWebPageAsked) {
    ASSERT_EQ(GetUserDefaultUILanguage(), languages::RunLanguage()) << "this run's locale is not the one asked for";
    ASSERT_TRUE(StartProbedWizard());
    driver::TextProbe text(probe_);
    ASSERT_TRUE(ShowPage(key_row::kPage));
    driver::ClickAt(ShownPage(), key_row::KeyCentre(0));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsVisible(Control(IDC_KEYS1_PICTURE)); }, driver::kWaitMs,
                                  "key 1 marked"));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsEnabled(Control(IDC_FUNCTION_WEB_PAGE)); }, driver::kWaitMs,
                                  "the function radios open"));
    ClickWithMouse(Control(IDC_FUNCTION_WEB_PAGE));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsVisible(Control(IDC_TEST)); }, driver::kWaitMs,
                                  "the Test button shown"));
    ASSERT_TRUE(ExpectShownPageTextToFit(text, key_row::kPage));
    driver::SaveScreenshot("text-" + languages::LanguageTag(GetUserDefaultUILanguage()) + "-3-customize-keys-web-page",
                           sheet_);
}

TEST_F(PageTextTest, ChineseAndJapaneseTitlesAndLabelsDrawAsGlyphs) {
    const LANGID language = GetUserDefaultUILanguage();
    if (language != 0x0411 && language != 0x0804 && language != 0x0404) {
        GTEST_SKIP() << "the wizard runs in language " << Language() << ", not in Chinese or Japanese";
    }
    ASSERT_TRUE(StartProbedWizard());
    driver::TextProbe text(probe_);
    // The title is drawn in "Arial", the labels in the dialog's own face.
    for (int page : {1, 3, 6}) {
        ASSERT_TRUE(ShowPage(page));
        for (int id : {IDC_TITLE, IDC_TAB_INTERNET_NAV + 3}) {
            SCOPED_TRACE("page " + std::to_string(page) + ", control " + std::to_string(id));
            const auto glyphs = text.Glyphs(id);
            ASSERT_TRUE(glyphs);
            EXPECT_GT(glyphs->characters, 0);
            EXPECT_EQ(glyphs->blank, 0) << "characters drawn as nothing in \"" << glyphs->face << "\"";
            EXPECT_EQ(glyphs->sameAsMissing, 0) << "characters drawn as the missing-glyph box in \"" << glyphs->face
                                                << "\"";
        }
    }
}
