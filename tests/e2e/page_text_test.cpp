// The pages' texts as a reader sees them, measured inside the running wizard
// with the fonts they are drawn in: in the Latin languages every static text
// fits its control, and Chinese and Japanese texts come out as glyphs, not
// as empty boxes. The per-language runs start the wizard in their locales.
#include "page_frame_fixture.h"
#include "text_probe.h"

#include <cstdio>

class PageTextTest : public PageFrameTest {
protected:
    static std::string Language() {
        char language[8] = {};
        std::snprintf(language, sizeof language, "%04x", GetUserDefaultUILanguage());
        return language;
    }
};

TEST_F(PageTextTest, EveryStaticTextOfEveryPageFitsItsControl) {
    ASSERT_TRUE(StartProbedWizard());
    driver::TextProbe text(probe_);
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        driver::WaitUntilPainted(sheet_, driver::kWaitMs);
        const auto misfits = text.Misfits();
        ASSERT_TRUE(misfits) << "page " << page;
        for (const text_probe::Misfit& misfit : *misfits) {
            ADD_FAILURE() << "language " << Language() << ", page " << page << ": " << driver::Describe(misfit);
        }
        driver::SaveScreenshot("text-" + Language() + "-page-" + std::to_string(page), sheet_);
    }
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
        for (int id : {frame::kTitle, frame::kFirstLabel + 3}) {
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
