// The On-Screen Display page in the running wizard: what it reads, what the
// user changes with mouse and keys, and what Finish stores.
#include "log_pixels.h"
#include "wizard_fixture.h"

#include <cstring>
#include <iostream>
#include <map>

using namespace wizard;

namespace {

constexpr int kSeventyTwo = 7;  // the last size item
constexpr int kRedIndex = 9;
constexpr char kStoredFace[] = "Tahoma";  // one of the faces the test prefix has

DWORD Number(const driver::RegistryValue& value) {
    DWORD number = 0;
    if (value.data.size() == sizeof number) std::memcpy(&number, value.data.data(), sizeof number);
    return number;
}

// The height of the combo with its list dropped down, in pixels.
int DroppedHeight(HWND combo) {
    RECT dropped = {};
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped), SMTO_ABORTIFHUNG,
                        5000, &ok);
    return dropped.bottom - dropped.top;
}

}  // namespace

TEST_F(WizardTest, EmptyProfileShowsTheDefaults) {
    ASSERT_TRUE(ShowOsdPage());
    EXPECT_EQ(driver::CheckState(Control(IDC_OSD_ENABLE)), BST_CHECKED) << "the display enabled";
    EXPECT_EQ(driver::CheckState(Control(IDC_OSD_DISABLE)), BST_UNCHECKED);
    EXPECT_EQ(driver::CheckState(Control(IDC_TRAY_SHOW)), BST_CHECKED) << "the tray icon shown";
    EXPECT_TRUE(driver::IsVisible(Control(IDC_TRAY_PICTURE_SHOWN)));
    EXPECT_FALSE(driver::IsVisible(Control(IDC_TRAY_PICTURE_HIDDEN)));

    HWND size = Control(IDC_OSD_SIZE_COMBO);
    ASSERT_EQ(driver::ComboCount(size), 8) << "the sizes of the dialog's initialisation data";
    const char* sizes[] = {"12", "14", "18", "26", "28", "36", "48", "72"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(driver::ComboItemText(size, i), sizes[i]) << "size item " << i;
    EXPECT_EQ(driver::ComboSelection(size), 4);
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_COLOR_COMBO)), kGreenIndex);
    EXPECT_EQ(driver::ComboCount(Control(IDC_OSD_COLOR_COMBO)), 16);

    HWND faces = Control(IDC_OSD_FONT_COMBO);
    const int arial = FirstArial(faces);
    ASSERT_GE(arial, 0) << "the prefix lists a face starting with \"Arial\"";
    EXPECT_EQ(driver::ComboSelection(faces), arial);
    const std::string face = driver::ComboItemText(faces, arial);

    // The example: the face's name in that face at 28 points, green on a white band.
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
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::IsEnabled(Button(wizard::kNext)); }, driver::kWaitMs,
                                  "Next, as a display radio is checked"));
}

TEST_F(WizardTest, WhiteStandsOnABlackBandOtherColoursOnAWhiteOne) {
    ASSERT_TRUE(ShowOsdPage());
    HWND example = Control(IDC_OSD_EXAMPLE);
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
    EXPECT_GT(ShareOf(example, RGB(255, 0, 0)), 0.0) << "red text";
    EXPECT_GT(ShareOf(example, kWhite), band / 2) << "on a white band";
}

TEST_F(WizardTest, DisableGreysTheDisplayControlsButNotTheExample) {
    ASSERT_TRUE(ShowOsdPage());
    const int greyed[] = {IDC_OSD_FONT_COMBO,  IDC_OSD_SIZE_COMBO,  IDC_OSD_COLOR_COMBO,  IDC_OSD_FONT_LABEL,
                          IDC_OSD_SIZE_LABEL,  IDC_OSD_COLOR_LABEL, IDC_OSD_EXAMPLE_LABEL};
    auto expectEnabled = [&](bool enabled) {
        for (int id : greyed) EXPECT_EQ(driver::IsEnabled(Control(id)), enabled) << "control " << id;
        EXPECT_TRUE(driver::IsEnabled(Control(IDC_OSD_EXAMPLE))) << "the example stays as it is";
        EXPECT_TRUE(driver::IsEnabled(Control(IDC_OSD_TEXT2))) << "the other texts stay as they are";
    };
    expectEnabled(true);
    ClickWithMouse(Control(IDC_OSD_DISABLE));
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::IsEnabled(Control(IDC_OSD_FONT_COMBO)); }, driver::kWaitMs,
                                  "the face combo to grey"));
    expectEnabled(false);
    ASSERT_TRUE(Painted());
    driver::SaveScreenshot("osd-disabled", sheet_);
    ClickWithMouse(Control(IDC_OSD_ENABLE));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsEnabled(Control(IDC_OSD_FONT_COMBO)); }, driver::kWaitMs,
                                  "the face combo to come back"));
    expectEnabled(true);
}

TEST_F(WizardTest, StoredChoicesAreShownAndNextWaitsForADisplayRadio) {
    // A stored switch of neither 0 nor 1 leaves both radios open; a stored
    // disabled display greys its controls from the start.
    ASSERT_TRUE(SetProfileNumber("Buttons", "OSDEnable", 2));
    ASSERT_TRUE(SetProfileNumber("SysTrayIcon", "Hide", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "SizeIndex", 1));
    ASSERT_TRUE(SetProfileNumber("OSD", "ColorIndex", 12));
    // The face is found by its stored name; the stored index, left from a
    // list that has changed since, names another face.
    ASSERT_TRUE(SetProfileString("OSD", "FaceName", kStoredFace));
    ASSERT_TRUE(SetProfileNumber("OSD", "FontIndex", 0));
    ASSERT_TRUE(ShowOsdPage());
    EXPECT_EQ(driver::CheckState(Control(IDC_OSD_ENABLE)), BST_UNCHECKED);
    EXPECT_EQ(driver::CheckState(Control(IDC_OSD_DISABLE)), BST_UNCHECKED);
    EXPECT_EQ(driver::CheckState(Control(IDC_TRAY_HIDE)), BST_CHECKED);
    EXPECT_TRUE(driver::IsVisible(Control(IDC_TRAY_PICTURE_HIDDEN)));
    EXPECT_FALSE(driver::IsVisible(Control(IDC_TRAY_PICTURE_SHOWN)));
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_SIZE_COMBO)), 1);
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_COLOR_COMBO)), 12);
    if (const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE)) {
        EXPECT_EQ(font->lfHeight, PixelHeight(14));
    }
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    ASSERT_NE(driver::ComboItemText(faces, 0), kStoredFace) << "the prefix's first face is the stored one";
    EXPECT_EQ(driver::ComboItemText(faces, driver::ComboSelection(faces)), kStoredFace);
    EXPECT_EQ(driver::Text(Control(IDC_OSD_EXAMPLE)), kStoredFace);

    driver::Pause(300);  // the page's buttons are posted
    EXPECT_FALSE(driver::IsEnabled(Button(wizard::kNext))) << "Back only before a display radio is checked";
    EXPECT_TRUE(driver::IsEnabled(Button(wizard::kBack)));
    ClickWithMouse(Control(IDC_OSD_DISABLE));
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::IsEnabled(Button(wizard::kNext)); }, driver::kWaitMs,
                                  "Next after a display radio is clicked"));
}

TEST_F(WizardTest, FinishStoresTheWholeOsdBlock) {
    ASSERT_TRUE(ShowOsdPage());
    HWND faces = Control(IDC_OSD_FONT_COMBO);
    const int arial = FirstArial(faces);
    const std::string face = driver::ComboItemText(faces, arial);

    // "72" makes an example font of 720 tenths of a point.
    ASSERT_TRUE(driver::ChooseComboItem(Control(IDC_OSD_SIZE_COMBO), kSeventyTwo));
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
            const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE);
            return font && font->lfHeight == PixelHeight(72);
        },
        driver::kWaitMs, "the example at 72 points"));
    ASSERT_TRUE(driver::ChooseComboItem(Control(IDC_OSD_COLOR_COMBO), kRedIndex));
    ClickWithMouse(Control(IDC_TRAY_HIDE));
    ASSERT_TRUE(ClickWhenOffered(wizard::kNext));
    ASSERT_TRUE(WaitForPage(kSummaryPage));
    ASSERT_TRUE(FinishWithMouse());

    // Japanese users get the Shift-JIS charset; the example font's own is 0.
    const DWORD charSet = GetUserDefaultUILanguage() == 1041 ? SHIFTJIS_CHARSET : ANSI_CHARSET;
    const std::map<std::string, DWORD> numbers = {
        {"Height", static_cast<DWORD>(PixelHeight(72))}, {"SelSize", 72}, {"Weight", 0}, {"Width", 0}, {"Esc", 0},
        {"Orient", 0}, {"Italic", 0}, {"Underline", 0}, {"StrikeOut", 0}, {"OutPrec", 0}, {"ClipPrec", 0},
        {"Quality", 0}, {"Pitch&Family", 0}, {"CharSet", charSet}, {"Color", 0x0000FF}, {"ColorIndex", kRedIndex},
        {"FontIndex", static_cast<DWORD>(arial)}, {"SizeIndex", kSeventyTwo}, {"Duration", 1200}, {"UserChanged", 1}};
    const driver::RegistrySnapshot profile = Profile();
    for (const auto& [name, expected] : numbers) {
        const auto found = profile.find("OSD\\" + name);
        ASSERT_NE(found, profile.end()) << "no OSD\\" << name << " in " << driver::Describe(profile);
        EXPECT_EQ(found->second.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(Number(found->second), expected) << name;
    }
    const auto faceName = driver::ReadString(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\OSD", "FaceName");
    EXPECT_EQ(faceName.value_or("(none)"), face);
    // 21 values under "OSD", no more (the snapshot lists the key itself as "OSD\\").
    std::string osdValues;
    size_t count = 0;
    for (const auto& entry : profile) {
        if (entry.first.rfind("OSD\\", 0) != 0 || entry.first == "OSD\\") continue;
        ++count;
        osdValues += " " + entry.first;
    }
    EXPECT_EQ(count, 21u) << osdValues;
    EXPECT_EQ(Number(profile.at("Buttons\\OSDEnable")), 1u);
    EXPECT_EQ(Number(profile.at("SysTrayIcon\\Hide")), 1u);
}

TEST_F(WizardTest, StoredIndexesOutsideTheirListsLeaveTheCombosEmpty) {
    ASSERT_TRUE(SetProfileNumber("OSD", "SizeIndex", 9));
    ASSERT_TRUE(SetProfileNumber("OSD", "ColorIndex", 16));
    ASSERT_TRUE(SetProfileNumber("OSD", "Color", 0x0000FF));
    ASSERT_TRUE(SetProfileNumber("OSD", "FontIndex", 5000));
    ASSERT_TRUE(ShowOsdPage());
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_SIZE_COMBO)), -1);
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_COLOR_COMBO)), -1);
    EXPECT_EQ(driver::ComboSelection(Control(IDC_OSD_FONT_COMBO)), -1);
    driver::SaveScreenshot("osd-nothing-selected", sheet_);

    // The example keeps the size of before any choice (18), the stored colour, and "Arial".
    HWND example = Control(IDC_OSD_EXAMPLE);
    EXPECT_EQ(driver::Text(example), "Arial");
    if (const auto font = probe_.ControlFont(IDC_OSD_EXAMPLE)) {
        EXPECT_EQ(font->lfHeight, PixelHeight(18));
    }
    EXPECT_GT(ShareOf(example, RGB(255, 0, 0)), 0.0) << "the stored red";

    // Finish stores a size index that names the size in use, so that the next
    // run shows it; the colour and face indexes stay unknown.
    ASSERT_TRUE(ClickWhenOffered(wizard::kNext));
    ASSERT_TRUE(WaitForPage(kSummaryPage));
    ASSERT_TRUE(FinishWithMouse());
    auto number = [&](const char* name) {
        const auto value = ProfileValue("OSD", name);
        return value ? Number(*value) : 0xBADu;
    };
    EXPECT_EQ(number("SelSize"), 18u);
    EXPECT_EQ(number("SizeIndex"), 2u) << "the item \"18\"";
    EXPECT_EQ(number("ColorIndex"), static_cast<DWORD>(-1));
    EXPECT_EQ(number("Color"), 0x0000FFu);
    EXPECT_EQ(number("FontIndex"), static_cast<DWORD>(-1));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\OSD", "FaceName").value_or(""),
              "Arial");
}

// The layout pass pins every control to the pixels of the reference units
// but leaves a combo its drop-down height at the system font's own units.
TEST_F(WizardTest, CombosKeepTheirDropDownHeightWhateverTheSystemFont) {
    const int combos[] = {IDC_OSD_FONT_COMBO, IDC_OSD_SIZE_COMBO, IDC_OSD_COLOR_COMBO};
    std::map<int, int> atReference;
    for (DWORD dpi : {96u, 144u}) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        driver::ScopedLogPixels logPixels(dpi);
        ASSERT_TRUE(StartWizard() && ShowPage(kOsdPage) && Painted());
        for (int id : combos) {
            const int height = DroppedHeight(Control(id));
            std::cout << dpi << " dpi: combo " << id << " drops down to " << height << " pixels\n";
            if (dpi == 96) {
                atReference[id] = height;
                EXPECT_GT(height, 100) << "combo " << id;
            } else {
                // The units grow with the font by about half.
                EXPECT_GT(height, atReference[id] * 13 / 10) << "combo " << id << " was pulled to the reference units";
            }
        }
        wizard_.Kill();
        ASSERT_TRUE(wizard_.WaitForExit(driver::kWaitMs, "the wizard to end"));
    }
}
