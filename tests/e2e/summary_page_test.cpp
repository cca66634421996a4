// The Summary page in the running wizard: the choices of this run where there
// are any, the store where not, in the language the wizard runs in.
#include "built_program.h"
#include "screen_pixels.h"
#include "wizard_fixture.h"

#include <cstring>
#include <map>

using namespace wizard;
using languages::BuiltProgram;

namespace {

constexpr POINT kSwatchInside = {654, 348};
constexpr POINT kSwatchFrame = {650, 344};

}  // namespace

class SummaryTest : public WizardTest {
protected:
    std::string String(UINT id) const { return program_.String(id, language_).value_or("(missing string)"); }
    // The template text of a Summary control in the run's language.
    std::string TemplateText(int id) const {
        const LANGID language = program_.Has(RT_DIALOG, IDD_SUMMARY, language_) ? language_ : languages::kEnglish;
        const auto dialog = program_.Dialog(IDD_SUMMARY, language);
        const auto* item = dialog ? dialog->Find(id) : nullptr;
        return item ? item->text.name : "(missing control)";
    }
    std::string Shown(int id) const { return driver::ShownText(Control(id)); }
    COLORREF Swatch() const { return PixelAt(ShownPage(), kSwatchInside); }

    void ExpectKeyNames(const std::map<int, std::string>& stored) {
        for (int k = 0; k < 7; ++k) {
            const auto found = stored.find(k);
            const std::string expected = found != stored.end() ? found->second : String(IDS_KEY1_NAME + k);
            EXPECT_EQ(Shown(IDC_SUMMARY_KEY1_NAME + k), expected) << "key " << k + 1;
        }
    }
    void ExpectExample(const std::string& face, int points) {
        EXPECT_EQ(Shown(IDC_SUMMARY_OSD_SAMPLE), face);
        if (const auto font = probe_.ControlFont(IDC_SUMMARY_OSD_SAMPLE)) {
            EXPECT_STREQ(font->lfFaceName, face.c_str());
            EXPECT_EQ(font->lfHeight, PixelHeight(points)) << Describe(*font);
        }
    }

    BuiltProgram program_;
    LANGID language_ = GetUserDefaultUILanguage();
};

TEST_F(SummaryTest, ThroughTheStripOnAnEmptyProfile) {
    ASSERT_TRUE(program_);
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(ClickWhenOffered(wizard::kNext));
    ASSERT_TRUE(WaitForPage(1));
    ASSERT_TRUE(Painted());
    HWND summaryLabel = Label(kSummaryPage - 1);
    driver::ClickAt(summaryLabel, driver::CentreOf(summaryLabel));
    ASSERT_TRUE(WaitForPage(kSummaryPage));
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("summary-empty-profile-" + languages::LanguageTag(language_), sheet_);

    EXPECT_EQ(Shown(IDC_SUMMARY_INAV), String(IDS_ENABLE));
    EXPECT_EQ(Shown(IDC_SUMMARY_LUMORA), String(IDS_ENABLE));
    EXPECT_EQ(Shown(IDC_SUMMARY_PRINT), String(IDS_NO));
    ExpectKeyNames({});
    ExpectExample("Arial", 28);
    EXPECT_EQ(Shown(IDC_SUMMARY_OSD_SIZE), TemplateText(IDC_SUMMARY_OSD_SIZE) + "28");
    EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_SHOW_TRAY_ICON));
    EXPECT_EQ(Swatch(), kGreen) << "the colour sample";
    EXPECT_EQ(PixelAt(ShownPage(), kSwatchFrame), kBlack) << "its one-pixel frame";

    // The summary lines in the bold large label font, whatever the mode.
    for (int id = IDC_SUMMARY_INAV; id <= IDC_SUMMARY_TRAY; ++id) {
        if (const auto font = probe_.ControlFont(id)) {
            EXPECT_EQ(font->lfWeight, FW_BOLD) << "control " << id;
            EXPECT_EQ(font->lfHeight, -15) << "control " << id;
        }
    }
    EXPECT_TRUE(driver::IsVisible(Button(wizard::kFinish)));
    EXPECT_FALSE(driver::IsVisible(Button(wizard::kNext)));
}

TEST_F(SummaryTest, StoredValuesShowWhenNothingWasChosenInThisRun) {
    ASSERT_TRUE(program_);
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 1));
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(SetProfileString("Buttons\\Aux3", "DisplayName", "Notes"));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", "Courier New"));
    // As Finish stores it: the pixel height of 72 points, negative.
    ASSERT_TRUE(SetProfileNumber("OSD", "Height", static_cast<DWORD>(PixelHeight(72))));
    ASSERT_TRUE(SetProfileNumber("OSD", "SelSize", 72));
    ASSERT_TRUE(SetProfileNumber("OSD", "Color", 0xFFFFFF));
    const auto before = Profile();

    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(ShowPage(kSummaryPage));
    ASSERT_TRUE(Painted());
    EXPECT_EQ(Shown(IDC_SUMMARY_INAV), String(IDS_DISABLE));
    EXPECT_EQ(Shown(IDC_SUMMARY_LUMORA), String(IDS_ENABLE));
    EXPECT_EQ(Shown(IDC_SUMMARY_PRINT), String(IDS_YES));
    ExpectKeyNames({{2, "Notes"}});
    ExpectExample("Courier New", 72);
    EXPECT_EQ(Shown(IDC_SUMMARY_OSD_SIZE), TemplateText(IDC_SUMMARY_OSD_SIZE) + "72");
    EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_HIDE_TRAY_ICON));
    EXPECT_EQ(Swatch(), kWhite);
    HWND example = Control(IDC_SUMMARY_OSD_SAMPLE);
    EXPECT_GT(ShareOf(example, kBlack), 0.05) << "white on a black band";
    EXPECT_GT(ShareOf(example, kWhite), 0.0);

    // The page writes nothing of its own: the On-Screen Display page was never shown.
    ASSERT_TRUE(FinishWithMouse());
    const auto after = Profile();
    for (const auto& [name, value] : after) {
        if (name.rfind("OSD\\", 0) == 0 || name.rfind("SysTrayIcon\\", 0) == 0) {
            EXPECT_TRUE(before.count(name) && before.at(name) == value) << name << " was written";
        }
    }
}

TEST_F(SummaryTest, TheOsdPagesChoicesWinOverTheStore) {
    ASSERT_TRUE(program_);
    ASSERT_TRUE(SetProfileNumber("OSD", "Color", 0x0000FF));
    ASSERT_TRUE(SetProfileNumber("OSD", "SelSize", 12));
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", "Courier New"));
    ASSERT_TRUE(ShowOsdPage());
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    const std::string face = driver::ComboItemText(faces, driver::ComboSelection(faces));

    // Black is a colour the user can choose, and the Summary shows it so.
    ASSERT_TRUE(driver::ChooseComboItem(Control(IDC_OSD_COLOR_COMBO), 0));
    ASSERT_TRUE(driver::ChooseComboItem(Control(IDC_OSD_SIZE_COMBO), 7));
    ClickWithMouse(Control(IDC_TRAY_HIDE));
    ASSERT_TRUE(ClickWhenOffered(wizard::kNext));
    ASSERT_TRUE(WaitForPage(kSummaryPage));
    ASSERT_TRUE(Painted());
    EXPECT_EQ(Swatch(), kBlack);
    ExpectExample(face, 72);
    EXPECT_GT(ShareOf(Control(IDC_SUMMARY_OSD_SAMPLE), kBlack), 0.0) << "black text";
    EXPECT_EQ(Shown(IDC_SUMMARY_OSD_SIZE), TemplateText(IDC_SUMMARY_OSD_SIZE) + "72");
    EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_HIDE_TRAY_ICON));

    // Back, white, and forward again: each activation shows the new choice.
    ASSERT_TRUE(ClickWhenOffered(wizard::kBack));
    ASSERT_TRUE(WaitForPage(kOsdPage));
    ASSERT_TRUE(driver::ChooseComboItem(Control(IDC_OSD_COLOR_COMBO), kWhiteIndex));
    ClickWithMouse(Control(IDC_TRAY_SHOW));
    ASSERT_TRUE(ClickWhenOffered(wizard::kNext));
    ASSERT_TRUE(WaitForPage(kSummaryPage));
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("summary-white-" + languages::LanguageTag(language_), sheet_);
    EXPECT_EQ(Swatch(), kWhite);
    EXPECT_GT(ShareOf(Control(IDC_SUMMARY_OSD_SAMPLE), kBlack), 0.05) << "white on a black band";
    EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_SHOW_TRAY_ICON));
}

// Back and a Tab strip label leave the On-Screen Display page as Next does:
// what its radios say then is what the Summary shows and Finish stores.
TEST_F(SummaryTest, EveryWayOffTheOsdPageTakesItsRadiosBack) {
    ASSERT_TRUE(program_);
    const int greyed[] = {IDC_OSD_FONT_COMBO, IDC_OSD_SIZE_COMBO, IDC_OSD_COLOR_COMBO, IDC_OSD_FONT_LABEL,
                          IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL, IDC_OSD_EXAMPLE_LABEL};
    for (const bool byBack : {true, false}) {
        SCOPED_TRACE(byBack ? "left by Back" : "left through the strip");
        // A stored disabled display greys its controls from the start.
        ASSERT_TRUE(SetProfileNumber("Buttons", "OSDEnable", 0));
        ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 0));
        ASSERT_TRUE(StartWizard() && ShowPage(kOsdPage) && Painted());
        EXPECT_EQ(driver::CheckState(Control(IDC_OSD_DISABLE)), BST_CHECKED);
        for (int id : greyed) EXPECT_FALSE(driver::IsEnabled(Control(id))) << "control " << id;

        ClickWithMouse(Control(IDC_OSD_ENABLE));
        ClickWithMouse(Control(IDC_TRAY_HIDE));
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsEnabled(Control(IDC_OSD_FONT_COMBO)); },
                                      driver::kWaitMs, "the display controls back"));
        if (byBack) {
            ASSERT_TRUE(ClickWhenOffered(wizard::kBack));
            ASSERT_TRUE(WaitForPage(kOsdPage - 1));
        }
        ClickWithMouse(Label(kSummaryPage - 1));
        ASSERT_TRUE(WaitForPage(kSummaryPage));
        EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_HIDE_TRAY_ICON));
        ASSERT_TRUE(FinishWithMouse());
        auto stored = [&](const char* subkey, const char* name) {
            const auto value = ProfileValue(subkey, name);
            DWORD number = 0xBAD;
            if (value && value->data.size() == sizeof number) std::memcpy(&number, value->data.data(), sizeof number);
            return number;
        };
        EXPECT_EQ(stored("Buttons", "OSDEnable"), 1u);
        EXPECT_EQ(stored("SysTrayIcon", "Hide"), 1u);
    }
}

// Both pages as a person sees them, in the run's language, normal and in high contrast.
TEST_F(SummaryTest, ScreenshotsOfBothPages) {
    ASSERT_TRUE(StartHighContrastWizard());
    const std::string language = languages::LanguageTag(language_);
    for (bool high : {false, true}) {
        if (high) {
            ASSERT_TRUE(SetHighContrast(true));
        }
        const std::string mode = high ? "-high-contrast" : "-normal";
        ASSERT_TRUE(ShowPage(kOsdPage));
        ASSERT_TRUE(Painted());
        ASSERT_TRUE(driver::SaveScreenshot("osd-" + language + mode, sheet_));
        ASSERT_TRUE(ShowPage(kSummaryPage));
        ASSERT_TRUE(Painted());
        ASSERT_TRUE(driver::SaveScreenshot("summary-" + language + mode, sheet_));
        // The sample is drawn in both modes.
        EXPECT_EQ(Swatch(), kGreen) << mode;
    }
}
