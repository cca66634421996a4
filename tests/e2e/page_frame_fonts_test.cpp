// The one high-contrast walk: the frame fonts each control of the shown page is
// given, the colours its frame texts show on screen, and the background
// picture (left out in high contrast), in both modes. Wine cannot switch high
// contrast, so a hook in the wizard answers its query; the mode is switched
// while a page is shown, and the sheet then re-activates that page.
#include "built_program.h"
#include "screen_pixels.h"
#include "wizard_fixture.h"

#include <string>

namespace {

// A body control of each page: one that takes the body font.
constexpr std::array<int, wizard::kPageCount> kBodyControl = {
    IDC_WELCOME_LINE1, IDC_INAV_TEXT1, IDC_LUMORA_ENABLE, IDC_STEP1_PROMPT, IDC_PRINT_YES, IDC_OSD_TEXT1,
    IDC_SUMMARY_KEY1_NAME};

// Point sizes at 96 dots per inch whatever the screen's.
struct Sizes {
    LONG title, heading, text;
};
constexpr Sizes kNormal = {-21, -32, -12};
constexpr Sizes kLarge = {-27, -37, -15};

// The parts of a font the frame chooses; the rest is the system's.
LOGFONTA Font(LONG height, LONG weight, const std::string& face, bool underline = false, LONG width = 0) {
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfUnderline = underline;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return font;
}

}  // namespace

class FrameFontTest : public WizardTest {
protected:
    void ExpectFont(int id, const LOGFONTA& expected) {
        const std::optional<LOGFONTA> font = probe_.ControlFont(id);
        if (font) {
            EXPECT_EQ(Describe(*font), Describe(expected)) << "control " << id;
        }
    }

    // Every frame font of the shown page in the mode.
    void ExpectFrameFonts(int page, bool highContrast) {
        SCOPED_TRACE("page " + std::to_string(page) + (highContrast ? ", high contrast" : ", normal"));
        const Sizes& sizes = highContrast ? kLarge : kNormal;
        ASSERT_EQ(PageIndex(), page);
        ExpectFont(IDC_TITLE, Font(sizes.title, FW_NORMAL, "Arial"));
        for (int label = 0; label < wizard::kLabelCount; ++label) {
            const bool own = label == wizard::OwnLabel(page);
            ExpectFont(IDC_TAB_INTERNET_NAV + label, Font(sizes.text, own ? FW_BOLD : FW_NORMAL, face_, !own));
        }
        if (page == 0) ExpectFont(IDC_WELCOME_HEADING, Font(sizes.heading, FW_BOLD, face_, false, 17));
        ExpectFont(kBodyControl[page], Font(sizes.text, FW_NORMAL, face_));
        ExpectFrameColours(page);
        if (page == 3 || page == 6) {
            // The key names are white on the key row; on Customize Keys in the normal body font.
            if (page == 3) ExpectFont(IDC_KEY7_NAME, Font(kNormal.text, FW_NORMAL, face_));
            const int keySeven = page == 3 ? IDC_KEY7_NAME : IDC_SUMMARY_KEY7_NAME;
            EXPECT_GT(wizard::ShareOf(Control(keySeven), wizard::kWhite), 0) << "the key names are not white";
        }
        // The title stands on the picture's dark band, or on the system's colours.
        const double dark = ShareOfPixels(Control(IDC_TITLE), IsDark);
        if (highContrast) {
            EXPECT_LT(dark, 0.02) << "the picture is painted in high contrast";
            EXPECT_GT(wizard::ShareOf(Control(IDC_TITLE), GetSysColor(COLOR_3DFACE)), 0.5) << "the system's background";
        } else {
            EXPECT_GT(dark, 0.5) << "the title does not stand on the picture's dark band";
        }
    }

    // The texts as drawn: a white title, the Welcome page's blue heading, and
    // the labels of the pages after this one in light grey, its own and those
    // before it in the ordinary black.
    void ExpectFrameColours(int page) {
        ASSERT_TRUE(Painted());
        using wizard::ShareOf;
        EXPECT_GT(ShareOf(Control(IDC_TITLE), wizard::kWhite), 0) << "the title is not white";
        if (page == 0) {
            EXPECT_GT(ShareOf(Control(IDC_WELCOME_HEADING), RGB(0, 0, 255)), 0) << "the heading is not blue";
        }
        for (int label = 0; label < wizard::kLabelCount; ++label) {
            const bool later = label > wizard::OwnLabel(page);
            EXPECT_EQ(ShareOf(Label(label), RGB(192, 192, 192)) > 0, later) << "label " << label << " grey";
            if (!later) {
                EXPECT_GT(ShareOf(Label(label), wizard::kBlack), 0) << "label " << label << " not black";
            }
        }
    }

    const std::string face_ = languages::BuiltProgram().Dialog(IDD_WELCOME, languages::kEnglish).value().typeface;
};

TEST_F(FrameFontTest, EveryPageTakesTheFontsAndPictureOfTheModeItIsShownIn) {
    ASSERT_TRUE(StartHighContrastWizard());
    ExpectFrameFonts(0, false);

    // The Customize Keys page shows the extra Finish button when it is
    // activated: a settings change re-activates the page only when it
    // switches the mode.
    ASSERT_TRUE(ShowPage(3));
    const std::pair<bool, bool> changes[] = {{false, false}, {true, true}, {true, false}};  // mode, re-activated
    for (const auto& [on, reactivated] : changes) {
        ShowWindow(Button(IDC_EXTRA_FINISH), SW_HIDE);
        ASSERT_TRUE(SetHighContrast(on));
        EXPECT_EQ(driver::IsVisible(Button(IDC_EXTRA_FINISH)), reactivated) << "high contrast " << on;
        EXPECT_EQ(PageIndex(), 3);
    }
    for (int page = 0; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        ExpectFrameFonts(page, true);
        driver::SaveScreenshot("frame-hc-page-" + std::to_string(page), sheet_);
    }

    // And off again on the last page, then every page on the way back.
    ASSERT_TRUE(SetHighContrast(false));
    ExpectFrameFonts(wizard::kPageCount - 1, false);
    for (int page = wizard::kPageCount - 2; page >= 0; --page) {
        ASSERT_TRUE(ShowPage(page));
        ExpectFrameFonts(page, false);
    }
}
