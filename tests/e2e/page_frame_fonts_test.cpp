// The one high-contrast walk: the frame fonts each control of the shown page is
// given, the colours its frame texts show on screen, and the background
// picture (left out in high contrast), in both modes. Wine cannot switch high
// contrast, so a hook in the wizard answers its query; the mode is switched
// while a page is shown, and the sheet then re-activates that page.
#include "resource_reader.h"
#include "screen_pixels.h"
#include "wizard_fixture.h"

#include <cstring>
#include <string>

namespace {

// A body control of each page: one that takes the body font.
constexpr std::array<int, wizard::kPageCount> kBodyControl = {IDC_WELCOME_LINE1, IDC_INAV_TEXT1,  IDC_LUMORA_ENABLE,    IDC_STEP1_PROMPT,
                                                              IDC_PRINT_YES,     IDC_OSD_TEXT1, IDC_SUMMARY_KEY1_NAME};

struct Expected {
    LONG height;
    LONG weight;
    LONG width;
    bool underline;
    std::string face;
};

// Point sizes at 96 dots per inch whatever the screen's.
struct Sizes {
    LONG title, heading, text;
};
constexpr Sizes kNormal = {-21, -32, -12};
constexpr Sizes kLarge = {-27, -37, -15};

// The face the pages' dialog font names, as the English Welcome template gives it.
std::string DialogFace() {
    const std::string program = driver::BinPath("Ravlen.exe");
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return {};
    const auto welcome = driver::LoadDialogTemplate(module, IDD_WELCOME, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    FreeLibrary(module);
    return welcome ? welcome->typeface : std::string();
}

}  // namespace

class FrameFontTest : public WizardTest {
protected:
    void ExpectFont(int id, const Expected& expected, const std::string& what) {
        const std::optional<LOGFONTA> font = probe_.ControlFont(id);
        if (!font) return;
        const std::string shown = Describe(*font);
        EXPECT_EQ(font->lfHeight, expected.height) << what << " " << id << ": " << shown;
        EXPECT_EQ(font->lfWeight, expected.weight) << what << " " << id << ": " << shown;
        EXPECT_EQ(font->lfWidth, expected.width) << what << " " << id << ": " << shown;
        EXPECT_EQ(font->lfUnderline != 0, expected.underline) << what << " " << id << ": " << shown;
        EXPECT_EQ(font->lfItalic, 0) << what << " " << id << ": " << shown;
        EXPECT_STREQ(font->lfFaceName, expected.face.c_str()) << what << " " << id;
    }

    // Every frame font of the shown page, for the given sizes.
    void ExpectFrameFonts(int page, const Sizes& sizes) {
        SCOPED_TRACE("page " + std::to_string(page) + (sizes.text == kLarge.text ? ", high contrast" : ", normal"));
        ASSERT_EQ(PageIndex(), page);
        ExpectFont(IDC_TITLE, {sizes.title, FW_NORMAL, 0, false, "Arial"}, "title");
        for (int label = 0; label < wizard::kLabelCount; ++label) {
            if (label == wizard::OwnLabel(page)) {
                ExpectFont(IDC_TAB_INTERNET_NAV + label, {sizes.text, FW_BOLD, 0, false, face_}, "own label");
            } else {
                ExpectFont(IDC_TAB_INTERNET_NAV + label, {sizes.text, FW_NORMAL, 0, true, face_}, "label");
            }
        }
        if (page == 0) ExpectFont(IDC_WELCOME_HEADING, {sizes.heading, FW_BOLD, 17, false, face_}, "heading");
        ExpectFont(kBodyControl[page], {sizes.text, FW_NORMAL, 0, false, face_}, "body control");
        ExpectFrameColours(page);
        // The title stands on the picture's dark band, or on the system's colours.
        const double dark = ShareOfPixels(Control(IDC_TITLE), IsDark);
        if (sizes.text == kLarge.text) {
            EXPECT_LT(dark, 0.02) << "the picture is painted in high contrast";
        } else {
            EXPECT_GT(dark, 0.5) << "the title does not stand on the picture's dark band";
        }
    }

    // The texts as drawn: a white title, the Welcome page's blue heading, and
    // the labels of the pages after this one in light grey, those before it
    // in the ordinary black.
    void ExpectFrameColours(int page) {
        ASSERT_TRUE(driver::WaitUntilPainted(sheet_, driver::kWaitMs));
        auto shows = [](HWND control, COLORREF colour) {
            return ShareOfPixels(control, [colour](COLORREF pixel) { return pixel == colour; }) > 0;
        };
        constexpr COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kGrey = RGB(192, 192, 192);
        EXPECT_TRUE(shows(Control(IDC_TITLE), kWhite)) << "the title is not white";
        if (page == 0) {
            EXPECT_TRUE(shows(Control(IDC_WELCOME_HEADING), kBlue)) << "the heading is not blue";
        }
        for (int label = 0; label < wizard::kLabelCount; ++label) {
            if (label == wizard::OwnLabel(page)) continue;
            const bool later = label > wizard::OwnLabel(page);
            EXPECT_EQ(shows(Label(label), kGrey), later) << "label " << label << (later ? " not" : "") << " grey";
            if (!later) {
                EXPECT_TRUE(shows(Label(label), RGB(0, 0, 0))) << "label " << label << " not black";
            }
        }
    }

    std::string face_ = DialogFace();
};

TEST_F(FrameFontTest, EveryPageTakesTheFontsAndPictureOfTheModeItIsShownIn) {
    ASSERT_FALSE(face_.empty()) << "cannot read the dialog font of Ravlen.exe's Welcome template";
    ASSERT_TRUE(StartHighContrastWizard());
    ExpectFrameFonts(0, kNormal);

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
        ExpectFrameFonts(page, kLarge);
        driver::SaveScreenshot("frame-hc-page-" + std::to_string(page), sheet_);
    }

    // And off again on the last page, then every page on the way back.
    ASSERT_TRUE(SetHighContrast(false));
    ExpectFrameFonts(wizard::kPageCount - 1, kNormal);
    for (int page = wizard::kPageCount - 2; page >= 0; --page) {
        ASSERT_TRUE(ShowPage(page));
        ExpectFrameFonts(page, kNormal);
    }
}
