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

LONG FontHeight(const CFont& font) {
    LOGFONTA made = {};
    return font.GetLogFont(&made) ? made.lfHeight : 0;
}

}  // namespace

// The key groups' states and the tray icon: a choice of this run (1 or 0)
// wins and leaves the store unread; without one (-1) the stored value decides.
TEST(SummaryValues, AChoiceOfThisRunWinsOverTheStore) {
    const struct {
        bool tray;  // TrayIconShown over the stored Hide, else ChoiceShownOn over the stored enable
        int choice;
        DWORD stored;
        bool shown;
    } cases[] = {
        {false, 1, 0, true}, {false, 0, 1, false}, {false, -1, 1, true}, {false, -1, 0, false},
        {false, -1, 2, true},  // any stored non-zero counts as on
        {true, 1, 1, true},  {true, 0, 0, false}, {true, -1, 1, false}, {true, -1, 0, true},
        {true, -1, 7, false},  // anything but 0 hides
    };
    for (const auto& c : cases) {
        Stored stored{c.stored};
        const bool shown = c.tray ? TrayIconShown(c.choice, stored.Reader()) : ChoiceShownOn(c.choice, stored.Reader());
        EXPECT_EQ(shown, c.shown) << (c.tray ? "tray" : "group") << ", choice " << c.choice << ", stored " << c.stored;
        EXPECT_EQ(stored.reads, c.choice == -1 ? 1 : 0) << "choice " << c.choice;
    }
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
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
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
