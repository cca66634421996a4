// The On-Screen Display page in the running wizard: what it reads from the
// store, how its example looks, and what Finish stores when a stored index
// fits no list. (The Summary tests drive its choices through to Finish.)
#include "registry_view.h"
#include "wizard_fixture.h"

#include <map>

using namespace wizard;

namespace {

constexpr int kRedIndex = 9;
constexpr COLORREF kRed = RGB(255, 0, 0);

// The height of the combo with its list dropped down, in pixels.
int DroppedHeight(HWND combo) {
    RECT dropped = {};
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped), SMTO_ABORTIFHUNG,
                        5000, &ok);
    return dropped.bottom - dropped.top;
}

}  // namespace

// The example: the face's name in that face at 28 points, green on a white
// band; white text stands on a black band, other colours on a white one.
TEST_F(WizardTest, TheExampleShowsTheFaceSizeAndColourOnItsBand) {
    ASSERT_TRUE(ShowOsdPage());
    EXPECT_TRUE(Checked(IDC_OSD_ENABLE) && !Checked(IDC_OSD_DISABLE)) << "the display enabled";
    EXPECT_TRUE(Checked(IDC_TRAY_SHOW) && Shown(IDC_TRAY_PICTURE_SHOWN) && !Shown(IDC_TRAY_PICTURE_HIDDEN));
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    const int arial = FirstArial(faces);
    ASSERT_GE(arial, 0) << "the prefix lists a face starting with \"Arial\"";
    EXPECT_EQ(driver::ComboSelection(faces), arial);
    EXPECT_GT(ShareOf(faces, kBlack), 0.0) << "the face list is drawn once filled";
    const std::string face = driver::ComboItemText(faces, arial);

    HWND example = Control(IDC_OSD_EXAMPLE);
    EXPECT_EQ(driver::Text(example), face);
    if (const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE)) {
        EXPECT_STREQ(font->lfFaceName, face.c_str());
        EXPECT_EQ(font->lfHeight, PixelHeight(28)) << Describe(*font);
        EXPECT_EQ(font->lfWeight, 0) << "only the face is taken from the list";
    }
    EXPECT_GT(ShareOf(example, kGreen), 0.0) << "green text";
    EXPECT_GT(ShareOf(example, kWhite), 0.0) << "a white band";
    EXPECT_EQ(ShareOf(example, kBlack), 0.0) << "no black band";
    EXPECT_TRUE(WaitForOffered("Back Next")) << "Next, as a display radio is checked";

    HWND colours = Control(IDC_OSD_COLOR_COMBO);
    ASSERT_TRUE(driver::ChooseComboItem(colours, kWhiteIndex));
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("osd-example-white", sheet_);
    const double band = ShareOf(example, kBlack);
    EXPECT_GT(band, 0.05) << "a black band behind the text";
    EXPECT_GT(ShareOf(example, kWhite), 0.0) << "white text on it";

    ASSERT_TRUE(driver::ChooseComboItem(colours, kRedIndex));
    ASSERT_TRUE(Painted());
    EXPECT_EQ(ShareOf(example, kBlack), 0.0) << "the black band is gone";
    EXPECT_GT(ShareOf(example, kRed), 0.0) << "red text";
    EXPECT_GT(ShareOf(example, kWhite), band / 2) << "on a white band";
}

TEST_F(WizardTest, StoredChoicesAreShownAndNextWaitsForADisplayRadio) {
    // A stored switch of neither 0 nor 1 leaves both radios open. The face is
    // found by its stored name; the stored index, left from a list that has
    // changed since, names another face.
    constexpr char kStoredFace[] = "Tahoma";
    ASSERT_TRUE(SetProfileNumber("Buttons", "OSDEnable", 2));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "SizeIndex", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "ColorIndex", 12));
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", kStoredFace));
    ASSERT_TRUE(SetProfileNumber("OSD", "FontIndex", 0));
    ASSERT_TRUE(ShowOsdPage());
    EXPECT_FALSE(Checked(IDC_OSD_ENABLE) || Checked(IDC_OSD_DISABLE));
    EXPECT_TRUE(Checked(IDC_TRAY_HIDE) && Shown(IDC_TRAY_PICTURE_HIDDEN) && !Shown(IDC_TRAY_PICTURE_SHOWN));
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_SIZE_COMBO)), 1);
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_COLOR_COMBO)), 12);
    if (const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE)) {
        EXPECT_EQ(font->lfHeight, PixelHeight(14));
    }
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    ASSERT_NE(driver::ComboItemText(faces, 0), kStoredFace) << "the prefix's first face is the stored one";
    EXPECT_EQ(driver::ComboItemText(faces, driver::ComboSelection(faces)), kStoredFace);
    EXPECT_EQ(driver::Text(Control(IDC_OSD_EXAMPLE)), kStoredFace);

    EXPECT_TRUE(WaitForOffered("Back"));
    driver::Pause(300);  // the page's buttons are posted
    EXPECT_EQ(Offered(), "Back") << "Next before a display radio is checked";
    Click(IDC_OSD_DISABLE);
    EXPECT_TRUE(WaitForOffered("Back Next")) << "Next after a display radio is clicked";
}

TEST_F(WizardTest, StoredIndexesOutsideTheirListsLeaveTheCombosEmpty) {
    ASSERT_TRUE(SetProfileNumber("OSD", "SizeIndex", 9));
    ASSERT_TRUE(SetProfileNumber("OSD", "ColorIndex", 16));
    ASSERT_TRUE(SetProfileNumber("OSD", "Color", 0x0000FF));
    ASSERT_TRUE(SetProfileNumber("OSD", "FontIndex", 5000));
    ASSERT_TRUE(ShowOsdPage());
    for (int id : {IDC_OSD_SIZE_COMBO, IDC_OSD_COLOR_COMBO, IDC_OSD_FONT_COMBO}) {
        EXPECT_EQ(driver::ComboSelection(Control(id)), -1) << "combo " << id;
    }
    driver::SaveScreenshot("osd-nothing-selected", sheet_);

    // The example keeps the size of before any choice (18), the stored colour, and "Arial".
    HWND example = Control(IDC_OSD_EXAMPLE);
    EXPECT_EQ(driver::Text(example), "Arial");
    if (const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE)) {
        EXPECT_EQ(font->lfHeight, PixelHeight(18));
    }
    EXPECT_GT(ShareOf(example, kRed), 0.0) << "the stored red";

    // Finish stores a size index that names the size in use, so that the next
    // run shows it; the colour and face indexes stay unknown.
    ASSERT_TRUE(Next());
    ASSERT_TRUE(FinishWithMouse());
    const std::map<std::string, driver::RegistryValue> expected = {
        {"SelSize", driver::DwordValue(18)},  {"SizeIndex", driver::DwordValue(2)},
        {"ColorIndex", driver::DwordValue(static_cast<DWORD>(-1))}, {"Color", driver::DwordValue(0x0000FF)},
        {"FontIndex", driver::DwordValue(static_cast<DWORD>(-1))},  {"FaceName", driver::SzValue("Arial")}};
    for (const auto& [name, value] : expected) EXPECT_EQ(ProfileValue("OSD", name), value) << name;
}

// The layout pass pins every control to the pixels of the reference units
// but leaves a combo its drop-down height at the system font's own units.
TEST_F(WizardTest, CombosKeepTheirDropDownHeightWhateverTheSystemFont) {
    std::map<int, int> atReference;
    for (DWORD dpi : {96u, 144u}) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        driver::ScopedLogPixels logPixels(dpi);
        ASSERT_TRUE(StartWizard() && ShowPage(kOsdPage) && Painted());
        for (int id : {IDC_OSD_FONT_COMBO, IDC_OSD_SIZE_COMBO, IDC_OSD_COLOR_COMBO}) {
            // At 144 dpi the units grow with the font by about half.
            const int height = DroppedHeight(Control(id));
            if (dpi == 96) atReference[id] = height;
            EXPECT_GT(height, dpi == 96 ? 100 : atReference[id] * 13 / 10) << "combo " << id;
        }
        wizard_.Kill();
        ASSERT_TRUE(wizard_.WaitForExit(driver::kWaitMs, "the wizard to end"));
    }
}
