// What the Summary page shows for each value: the choice made in this run,
// else the store, which is read only then.
#include "example_font.h"
#include "wizard_state.h"
#include "summary_values.h"

#include <gtest/gtest.h>

namespace {

// A stored value that counts how often it is read.
struct Stored {
    DWORD value;
    int reads = 0;
    StoredNumber Reader() {
        return [this] {
            ++reads;
            return value;
        };
    }
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LONG FontHeight(const CFont& font) {
    LOGFONTA made = {};
    return font.GetLogFont(&made) ? made.lfHeight : 0;
}

}  // namespace

TEST(SummaryValues, AChoiceOfThisRunWinsOverTheStore) {
    struct Case {
        int choice;
        DWORD stored;
        bool shownOn;
        int reads;
    };
    const Case cases[] = {
        {1, 0, true, 0},  {0, 1, false, 0}, {-1, 1, true, 1},
        {-1, 0, false, 1}, {-1, 2, true, 1},  // any stored non-zero counts as on
    };
    for (const Case& c : cases) {
        Stored stored{c.stored};
        EXPECT_EQ(ChoiceShownOn(c.choice, stored.Reader()), c.shownOn)
            << "choice " << c.choice << ", stored " << c.stored;
        EXPECT_EQ(stored.reads, c.reads) << "choice " << c.choice;
    }
}

TEST(SummaryValues, TrayChoiceFallsBackToTheStoredHide) {
    Stored hide{1};
    EXPECT_TRUE(TrayIconShown(1, hide.Reader()));
    EXPECT_FALSE(TrayIconShown(0, hide.Reader()));
    EXPECT_EQ(hide.reads, 0);
    EXPECT_FALSE(TrayIconShown(-1, hide.Reader()));
    hide.value = 0;
    EXPECT_TRUE(TrayIconShown(-1, hide.Reader()));
    hide.value = 7;
    EXPECT_FALSE(TrayIconShown(-1, hide.Reader())) << "anything but 0 hides";
}

TEST(SummaryValues, ColourAndSizeComeFromThePageOnceItPublished) {
    OsdPublished published;
    Stored color{0x0000FF};
    EXPECT_EQ(DisplayColor(published, color.Reader()), 0x0000FFu) << "nothing published: the store";
    EXPECT_EQ(published.exampleColor, 0x0000FFu) << "and it is published for the example";
    EXPECT_EQ(DisplayColor(published, color.Reader()), 0x0000FFu);
    EXPECT_EQ(color.reads, 1);

    // Black chosen on the page shows as black, not as the stored colour.
    CFont example;
    published.exampleFont = &example;
    published.exampleColor = 0;
    EXPECT_EQ(DisplayColor(published, color.Reader()), 0u);
    EXPECT_EQ(color.reads, 1);

    Stored size{36};
    EXPECT_EQ(DisplayPointSize(published, size.Reader()), 36) << "no height published";
    published.exampleHeight = 725;
    EXPECT_EQ(DisplayPointSize(published, size.Reader()), 72) << "tenths, truncated";
    EXPECT_EQ(size.reads, 1);
}

TEST(SummaryValues, FallbackFontReadsTheStoredHeightAsFinishWroteIt) {
    const int dpi = ScreenDpi();
    CFont font;
    // Positive: points.
    ASSERT_TRUE(MakeFallbackFont(font, "Arial", 28));
    EXPECT_EQ(FontHeight(font), -MulDiv(dpi, 280, 720));
    // Negative: the pixel height Finish stores, taken as it is.
    ASSERT_TRUE(MakeFallbackFont(font, "Arial", static_cast<DWORD>(-96)));
    EXPECT_EQ(FontHeight(font), -96);
    // Nothing usable: the default 28 points.
    for (DWORD damaged : {DWORD{0}, DWORD{0x7FFFFFFF}, static_cast<DWORD>(-100000)}) {
        ASSERT_TRUE(MakeFallbackFont(font, "Arial", damaged));
        EXPECT_EQ(FontHeight(font), -MulDiv(dpi, 280, 720)) << "stored " << static_cast<int>(damaged);
    }
    LOGFONTA made = {};
    ASSERT_TRUE(font.GetLogFont(&made));
    EXPECT_STREQ(made.lfFaceName, "Arial");
}
