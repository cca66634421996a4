// The Summary page in the running wizard: the choices of this run where there
// are any, the store where not, in the language the wizard runs in.
#include "built_program.h"
#include "screen_pixels.h"
#include "wizard_fixture.h"

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
    std::string Shown(int id) const { return driver::ShownText(Control(id)); }
    COLORREF Swatch() const { return PixelAt(ShownPage(), kSwatchInside); }

    // The Summary's lines: each group's state, the tray line, the key names
    // (the default ones but for those given), and the example's face and size.
    struct Lines {
        UINT inav, lumora, print, tray;
        std::map<int, std::string> keys;
        std::string face;
        int points;
    };
    void ExpectLines(const Lines& lines) {
        EXPECT_EQ(Shown(IDC_SUMMARY_INAV), String(lines.inav));
        EXPECT_EQ(Shown(IDC_SUMMARY_LUMORA), String(lines.lumora));
        EXPECT_EQ(Shown(IDC_SUMMARY_PRINT), String(lines.print));
        EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(lines.tray));
        for (int k = 0; k < 7; ++k) {
            const auto found = lines.keys.find(k);
            const std::string expected = found != lines.keys.end() ? found->second : String(IDS_KEY1_NAME + k);
            EXPECT_EQ(Shown(IDC_SUMMARY_KEY1_NAME + k), expected) << "key " << k + 1;
        }
        ExpectExample(lines.face, lines.points);
    }
    // The example in its face and size, and the size line ending in the size.
    void ExpectExample(const std::string& face, int points) {
        EXPECT_EQ(Shown(IDC_SUMMARY_OSD_SAMPLE), face);
        const std::string size = Shown(IDC_SUMMARY_OSD_SIZE);
        EXPECT_EQ(size.substr(size.rfind(' ') + 1), std::to_string(points)) << size;
        if (const auto font = probe_.ControlFont(IDC_SUMMARY_OSD_SAMPLE)) {
            EXPECT_STREQ(font->lfFaceName, face.c_str());
            EXPECT_EQ(font->lfHeight, PixelHeight(points)) << Describe(*font);
        }
    }

    BuiltProgram program_;
    LANGID language_ = GetUserDefaultUILanguage();
};

// The colour sample is drawn in high contrast too, where the page's picture is not.
TEST_F(SummaryTest, ThroughTheStripOnAnEmptyProfile) {
    ASSERT_TRUE(program_);
    ASSERT_TRUE(StartHighContrastWizard());
    ASSERT_TRUE(Next());
    ASSERT_TRUE(Painted());
    ASSERT_TRUE(Jump(kToSummary));
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("summary-empty-profile-" + languages::LanguageTag(language_), sheet_);

    ExpectLines({IDS_ENABLE, IDS_ENABLE, IDS_NO, IDS_SHOW_TRAY_ICON, {}, "Arial", 28});
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

    ASSERT_TRUE(SetHighContrast(true));
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("summary-high-contrast-" + languages::LanguageTag(language_), sheet_);
    EXPECT_EQ(Swatch(), kGreen) << "the colour sample in high contrast";
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
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(ShowPage(kSummaryPage));
    ASSERT_TRUE(Painted());
    ExpectLines({IDS_DISABLE, IDS_ENABLE, IDS_YES, IDS_HIDE_TRAY_ICON, {{2, "Notes"}}, "Courier New", 72});
    EXPECT_EQ(Swatch(), kWhite);
    HWND example = Control(IDC_SUMMARY_OSD_SAMPLE);
    EXPECT_GT(ShareOf(example, kBlack), 0.05) << "white on a black band";
    EXPECT_GT(ShareOf(example, kWhite), 0.0);
}

TEST_F(SummaryTest, TheOsdPagesChoicesWinOverTheStore) {
    ASSERT_TRUE(program_);
    ASSERT_TRUE(SetProfileNumber("OSD", "Color", 0x0000FF));
    ASSERT_TRUE(SetProfileNumber("OSD", "SelSize", 12));
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", "Courier New"));
    ASSERT_TRUE(ShowOsdPage());
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    const int faceIndex = driver::ComboSelection(faces);
    const std::string face = driver::ComboItemText(faces, faceIndex);

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

    // Finish stores the page's last choices; Japanese users get the
    // Shift-JIS charset, the example font's own is 0.
    ASSERT_TRUE(FinishWithMouse());
    using driver::DwordValue;
    const std::map<std::string, driver::RegistryValue> expected = {
        {"OSD\\Height", DwordValue(static_cast<DWORD>(PixelHeight(72)))},
        {"OSD\\SelSize", DwordValue(72)},
        {"OSD\\SizeIndex", DwordValue(7)},
        {"OSD\\Color", DwordValue(0xFFFFFF)},
        {"OSD\\ColorIndex", DwordValue(kWhiteIndex)},
        {"OSD\\FaceName", driver::SzValue(face)},
        {"OSD\\FontIndex", DwordValue(static_cast<DWORD>(faceIndex))},
        {"OSD\\CharSet", DwordValue(language_ == 1041 ? SHIFTJIS_CHARSET : ANSI_CHARSET)},
        {"Buttons\\OSDEnable", DwordValue(1)},
        {"SysTrayIcon\\Hide", DwordValue(0)}};
    const driver::RegistrySnapshot profile = Profile();
    for (const auto& [name, value] : expected) {
        EXPECT_TRUE(profile.count(name) && profile.at(name) == value) << name << " in " << driver::Describe(profile);
    }
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
        EXPECT_TRUE(Checked(IDC_OSD_DISABLE));
        for (int id : greyed) EXPECT_FALSE(Enabled(id)) << "control " << id;
        EXPECT_TRUE(Enabled(IDC_OSD_EXAMPLE) && Enabled(IDC_OSD_TEXT2)) << "the example and texts stay as they are";

        Click(IDC_OSD_ENABLE);
        Click(IDC_TRAY_HIDE);
        ASSERT_TRUE(driver::WaitUntil([&] { return Enabled(IDC_OSD_FONT_COMBO); }, driver::kWaitMs,
                                      "the display controls back"));
        for (int id : greyed) EXPECT_TRUE(Enabled(id)) << "control " << id;
        if (byBack) {
            ASSERT_TRUE(ClickWhenOffered(wizard::kBack));
            ASSERT_TRUE(WaitForPage(kOsdPage - 1));
        }
        ASSERT_TRUE(Jump(kToSummary));
        EXPECT_EQ(Shown(IDC_SUMMARY_TRAY), String(IDS_HIDE_TRAY_ICON));
        ASSERT_TRUE(FinishWithMouse());
        EXPECT_EQ(ProfileValue("Buttons", "OSDEnable"), driver::DwordValue(1));
        EXPECT_EQ(ProfileValue("SysTrayIcon", "Hide"), driver::DwordValue(1));
    }
}
