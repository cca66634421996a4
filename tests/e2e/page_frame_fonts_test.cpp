// The Frame fonts each control of the shown page is given, and the colours its
// frame texts show on screen, in both contrast modes; high contrast is switched
// while a page is shown, and the sheet then re-activates it.
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

TEST_F(FrameFontTest, EveryPageTakesTheFontsOfTheModeItIsShownIn) {
    ASSERT_FALSE(face_.empty()) << "cannot read the dialog font of Ravlen.exe's Welcome template";
    ASSERT_TRUE(StartHighContrastWizard());
    ExpectFrameFonts(0, kNormal);

    // Switched on while the Welcome page is shown: the page is re-activated.
    ASSERT_TRUE(SetHighContrast(true));
    ExpectFrameFonts(0, kLarge);
    for (int page = 1; page < wizard::kPageCount; ++page) {
        ASSERT_TRUE(ShowPage(page));
        ExpectFrameFonts(page, kLarge);
    }

    // And off again on the last page, then every page on the way back.
    ASSERT_TRUE(SetHighContrast(false));
    ExpectFrameFonts(wizard::kPageCount - 1, kNormal);
    for (int page = wizard::kPageCount - 2; page >= 0; --page) {
        ASSERT_TRUE(ShowPage(page));
        ExpectFrameFonts(page, kNormal);
    }
}
