// The English resources linked into this test program (ravlen_resources) hold
// what the wizard is built on: every dialog with exactly its controls,
// every picture at its size and depth, the strings, menu, accelerators, icon,
// cursor, dialog initialisation data and version block.

#include "resource.h"
#include "resource_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr int kUnnamed = -1;
constexpr int kAny = -32768;  // a position or size that no page relies on

HMODULE Self() { return GetModuleHandleA(nullptr); }

// ---- What each dialog holds

struct ExpectedControl {
    int id;
    const char* className;
    int x, y, cx, cy;
    const char* text = nullptr;  // English text, where the pages rely on it
    int bitmap = 0;              // for picture statics: the bitmap they show
};

struct ExpectedDialog {
    int id;
    int cx, cy;
    const char* caption;
    std::vector<ExpectedControl> controls;
};

constexpr const char* kPageCaption = "Quelmar USB Tessival Keyboard Configuration Wizard";

// The page frame with one page's title, title rectangle and strip picture.
std::vector<ExpectedControl> Frame(const char* title, int titleY, int titleHeight, int stripId, int stripBitmap,
                                   int stripX = 25) {
    return {
        {IDC_TITLE, "Static", 5, titleY, 224, titleHeight, title},
        {stripId, "Static", stripX, 28, 344, 18, nullptr, stripBitmap},
        {IDC_TAB_INTERNET_NAV, "Static", 12, 49, 51, 20, "Internet Navigation"},
        {IDC_TAB_LUMORA, "Static", 73, 49, 51, 20, "Lumora Keys"},
        {IDC_TAB_CUSTOMIZE_KEYS, "Static", 139, 48, 51, 20, "Customize   Keys"},
        {IDC_TAB_PRINT_LABEL, "Static", 200, 48, 51, 20, "Print Label"},
        {IDC_TAB_OSD, "Static", 265, 48, 51, 20, "On-Screen Displays"},
        {IDC_TAB_SUMMARY, "Static", 327, 48, 51, 20, "Summary"},
    };
}

ExpectedDialog Page(int id, int cx, int cy, std::vector<ExpectedControl> frame, std::vector<ExpectedControl> own) {
    frame.insert(frame.end(), own.begin(), own.end());
    return {id, cx, cy, kPageCaption, std::move(frame)};
}

std::vector<ExpectedDialog> ExpectedDialogs() {
    std::vector<ExpectedDialog> dialogs;

    dialogs.push_back({IDD_ABOUTBOX, 235, 55, "About Ravlen", {
        {kUnnamed, "Static", 11, 17, kAny, kAny, nullptr},  // icon 128, checked below
        {kUnnamed, "Static", 40, 10, kAny, kAny, "Ravlen Version 1.0"},
        {kUnnamed, "Static", 40, 25, kAny, kAny},
        {IDOK, "Button", 178, 7, 50, 14, "OK"},
    }});

    dialogs.push_back(Page(IDD_WELCOME, 461, 305, Frame("Welcome", 8, 14, IDC_STRIP_WELCOME, IDB_STRIP_WELCOME, 26), {
        {IDC_WELCOME_HEADING, "Static", 11, 93, 120, 25, "Welcome"},
        {IDC_WELCOME_LINE1, "Static", 11, 121, 122, 8, "Use this wizard to customize your USB"},
        {IDC_WELCOME_CONTINUE, "Static", 10, 153, 112, 8, "Click on \"Next\" to continue."},
        {IDC_WELCOME_LINE2, "Static", 11, 131, 146, 8, "Tessival Keyboard."},
        {IDC_VERSION, "Static", 9, 229, 112, 8, "Version: "},
        {IDC_WELCOME_PICTURE, "Static", 239, 116, 222, 119, nullptr, IDB_WELCOME_PICTURE},
    }));

    dialogs.push_back(Page(IDD_INTERNET_NAV, 478, 305,
                           Frame("Internet Navigation", 6, 17, IDC_STRIP_INTERNET_NAV, IDB_STRIP_INTERNET_NAV), {
        {IDC_INAV_TEXT1, "Static", 33, 88, 304, 8, "You can use the Internet Navigation keys to move forward and back"},
        {IDC_INAV_TEXT2, "Static", 33, 100, 304, 8, "when using a web browser."},
        {IDC_INAV_ENABLE, "Button", 75, 120, 166, 10, "Enable Internet Navigation keys"},
        {IDC_INAV_DISABLE, "Button", 75, 138, 166, 10, "Disable Internet Navigation keys"},
        {IDC_INAV_PICTURE_ON, "Static", 244, 151, 233, 154, nullptr, IDB_INAV_ON},
        {IDC_INAV_PICTURE_OFF, "Static", 245, 152, 233, 154, nullptr, IDB_INAV_OFF},
    }));

    dialogs.push_back(Page(IDD_LUMORA, 479, 305, Frame("Lumora Keys", 7, 14, IDC_STRIP_LUMORA, IDB_STRIP_LUMORA), {
        {kUnnamed, "Static", 33, 78, 376, 8,
         "You can use the Lumora Keys to launch your favorite programs, files, or web pages."},
        {IDC_LUMORA_ENABLE, "Button", 79, 104, 162, 10, "Enable Lumora keys"},
        {IDC_LUMORA_DISABLE, "Button", 79, 120, 157, 10, "Disable Lumora keys"},
        {IDC_LUMORA_PICTURE_ON, "Static", 203, 141, 276, 166, nullptr, IDB_LUMORA_ON},
        {IDC_LUMORA_PICTURE_OFF, "Static", 203, 141, 276, 166, nullptr, IDB_LUMORA_OFF},
    }));

    {
        std::vector<ExpectedControl> own = {
            {IDC_STEP1_PICTURE, "Static", 6, 73, kAny, kAny, nullptr, IDB_STEP_1},
            {IDC_STEP2_PICTURE, "Static", 6, 150, kAny, kAny, nullptr, IDB_STEP_2},
            {IDC_STEP3_PICTURE, "Static", 212, 150, kAny, kAny, nullptr, IDB_STEP_3},
            {IDC_STEP4_PICTURE, "Static", 8, 261, kAny, kAny, nullptr, IDB_STEP_4},
            {IDC_STEP1_PROMPT, "Static", 22, 75, 102, 19, "Select the button you would like to customize."},
            {kUnnamed, "Static", 21, 95, 23, 9, "Or"},
            {IDC_RESET_DEFAULTS, "Button", 20, 106, 72, 12, "Reset to defaults"},
            {IDC_KEYS_NONE_PICTURE, "Static", 131, 90, 338, 36, nullptr, IDB_KEYS_NONE},
            {IDC_ASSIGNMENT_CAPTION, "Button", 9, 128, 463, 13, ""},
            {IDC_STEP2_PROMPT, "Static", 21, 152, 144, 8, "Assign one of the following functions"},
            {IDC_FUNCTION_ALL_PROGRAMS, "Button", 35, 170, 145, 10, "Programs available to all users"},
            {IDC_FUNCTION_USER_PROGRAMS, "Button", 35, 185, 144, 10, "Programs available to current user"},
            {IDC_FUNCTION_FILE, "Button", 36, 201, 68, 10, "Open a file"},
            {IDC_FUNCTION_WEB_PAGE, "Button", 35, 218, 81, 10, "View a web page"},
            {IDC_CHOOSER_PROMPT, "Static", 227, 152, 73, 8, "Select a program:"},
            {IDC_CHOOSER_PLACEHOLDER, "SysTreeView32", 226, 165, 234, 72},
            {IDC_ALL_PROGRAMS_TREE, "SysTreeView32", 226, 165, 234, 72},
            {IDC_USER_PROGRAMS_TREE, "SysTreeView32", 226, 165, 234, 72},
            {IDC_FILES_TREE, "SysTreeView32", 226, 165, 234, 72},
            {IDC_FAVORITES_TREE, "SysTreeView32", 226, 165, 234, 47},
            {IDC_ADDRESS_PROMPT, "Static", 227, 213, 226, 8, "Or Enter Internet address:"},
            {IDC_ADDRESS_EDIT, "Edit", 226, 224, 178, 14},
            {IDC_TEST, "Button", 410, 222, 49, 14, "Test"},
            {IDC_STEP4_PROMPT, "Static", 23, 264, 115, 8, "Edit label name, then click Apply:"},
            {IDC_LABEL_EDIT, "Edit", 139, 264, 103, 12},
            {IDC_APPLY, "Button", 407, 262, 53, 14, "Apply"},
            // The three thin black separator lines; where they stand is the template's.
            {kUnnamed, "Static", kAny, kAny, kAny, kAny},
            {kUnnamed, "Static", kAny, kAny, kAny, kAny},
            {kUnnamed, "Static", kAny, kAny, kAny, kAny},
        };
        const int nameX[7] = {137, 186, 233, 281, 330, 377, 427};
        const int keyBitmaps[7] = {IDB_KEYS_1, IDB_KEYS_2, IDB_KEYS_3, IDB_KEYS_4, IDB_KEYS_5, IDB_KEYS_6, IDB_KEYS_7};
        for (int k = 0; k < 7; ++k) {
            own.push_back({IDC_KEY1_NAME + k, "Static", nameX[k], 74, 43, 17});
            own.push_back({IDC_KEYS1_PICTURE + k, "Static", 131, 90, 338, 36, nullptr, keyBitmaps[k]});
        }
        dialogs.push_back(Page(IDD_CUSTOMIZE_KEYS, 474, 305,
                               Frame("Customize Keys", 7, 14, IDC_STRIP_CUSTOMIZE_KEYS, IDB_STRIP_CUSTOMIZE_KEYS),
                               own));
    }

    dialogs.push_back(Page(IDD_PRINT_LABEL, 462, 305,
                           Frame("Print Label", 7, 14, IDC_STRIP_PRINT_LABEL, IDB_STRIP_PRINT_LABEL), {
        {IDC_PRINT_TEXT, "Static", 30, 77, 341, 8,
         "You can print a new label for your customized Lumora Keys when you finish this wizard."},
        {IDC_PRINT_YES, "Button", 81, 105, 138, 11, "Print a new Lumora Key label"},
        {IDC_PRINT_NO, "Button", 81, 220, 158, 11, "Do not print a new Lumora Key label"},
        {kUnnamed, "Button", 92, 115, 369, 88},
        {IDC_PRINT_COLOUR_TEXT, "Static", 98, 153, 198, 8, "How do you want your label printed?"},
        {IDC_PRINT_WHITE_ON_BLACK, "Button", 97, 167, 202, 10, "White letters on a black background."},
        {IDC_PRINT_BLACK_ON_WHITE, "Button", 97, 181, 202, 10, "Black letters on a white background."},
        {IDC_PRINT_PICTURE_1, "Static", 94, 123, 363, 25, nullptr, IDB_LABEL_WHITE_ON_BLACK},
        {IDC_PRINT_PICTURE_2, "Static", 94, 123, 363, 25, nullptr, IDB_LABEL_GREYED},
    }));

    {
        std::vector<ExpectedControl> own = {
            {IDC_SUMMARY_KEYS_PICTURE, "Static", 29, 123, 376, 31, nullptr, IDB_SUMMARY_KEYS},
            {IDC_SUMMARY_KEYBOARD_PICTURE, "Static", 29, 154, 260, 131, nullptr, IDB_SUMMARY_KEYBOARD},
            {IDC_SUMMARY_INAV_PICTURE, "Static", 29, 102, 77, 22, nullptr, IDB_SUMMARY_INAV},
            {IDC_SUMMARY_OSD_SAMPLE, "Static", 338, 161, 126, 42},
            {IDC_SUMMARY_OSD_FACE, "Static", 305, 177, 28, 11, "Font:"},
            {IDC_SUMMARY_OSD_SIZE, "Static", 306, 209, 41, 11, "Size: "},
            {IDC_SUMMARY_OSD_COLOR, "Static", 397, 210, 31, 11, "Color:"},
            {IDC_SUMMARY_TRAY, "Static", 307, 230, 149, 11, "Show System Tray Icon"},
            {IDC_SUMMARY_TRAY_PICTURE, "Static", 310, 243, 72, 23, nullptr, IDB_SUMMARY_TRAY},
            {IDC_SUMMARY_INAV, "Static", 20, 70, 35, 15, "enable"},
            {IDC_SUMMARY_LUMORA, "Static", 80, 70, 37, 15, "enable"},
            {IDC_SUMMARY_PRINT, "Static", 211, 70, 32, 15, "no"},
            {kUnnamed, "Static", 121, 111, 338, 36, nullptr, IDB_KEYS_NONE},
        };
        const int nameX[7] = {123, 172, 219, 267, 316, 363, 413};
        for (int k = 0; k < 7; ++k) own.push_back({IDC_SUMMARY_KEY1_NAME + k, "Static", nameX[k], 95, 43, 17});
        dialogs.push_back(Page(IDD_SUMMARY, 480, 304,
                               Frame("Summary", 7, 14, IDC_STRIP_SUMMARY, IDB_STRIP_SUMMARY), own));
    }

    dialogs.push_back(Page(IDD_OSD, 462, 305, Frame("On-Screen Displays", 7, 17, IDC_STRIP_OSD, IDB_STRIP_OSD), {
        {IDC_OSD_TEXT1, "Static", 33, 79, 287, 8, "On-Screen Display:"},
        {IDC_OSD_TEXT2, "Static", 33, 90, 287, 8,
         "When you press a Lumora Key, Internet Navigation Key, or Media Control "},
        {IDC_OSD_TEXT3, "Static", 33, 101, 287, 8,
         "button, an on-screen display will indicate which key has been pressed. You can"},
        {IDC_OSD_TEXT4, "Static", 33, 111, 287, 8, "customize the appearance of the display, or disable it."},
        {IDC_OSD_ENABLE, "Button", 32, 126, 158, 11, "Enable the on-screen display"},
        {IDC_OSD_DISABLE, "Button", 32, 177, 158, 11, "Disable the on-screen display"},
        {IDC_OSD_FONT_LABEL, "Static", 59, 145, 22, 10, "Font:"},
        {IDC_OSD_FONT_COMBO, "ComboBox", 83, 143, 121, 126},
        {IDC_OSD_SIZE_LABEL, "Static", 59, 164, 22, 10, "Size:"},
        {IDC_OSD_SIZE_COMBO, "ComboBox", 83, 162, 41, 113},
        {IDC_OSD_COLOR_LABEL, "Static", 145, 164, 23, 9, "Color:"},
        {IDC_OSD_COLOR_COMBO, "ComboBox", 173, 162, 31, 95},
        {IDC_OSD_EXAMPLE_LABEL, "Static", 248, 122, 42, 8, "Example:"},
        {kUnnamed, "Button", 247, 130, 174, 54},
        {IDC_OSD_EXAMPLE, "Static", 253, 138, 161, 41},
        {IDC_OSD_GROUP, "Button", 26, 70, 408, 125},
        {IDC_TRAY_GROUP, "Button", 26, 199, 409, 73},
        {IDC_TRAY_TEXT1, "Static", 33, 208, 287, 8, "System Tray Icon:"},
        {IDC_TRAY_TEXT2, "Static", 33, 219, 211, 8, "The System Tray Icon provides quick access to this"},
        {IDC_TRAY_TEXT3, "Static", 33, 230, 211, 8, "Configuration Wizard for future changes to your settings."},
        {IDC_TRAY_SHOW, "Button", 32, 243, 173, 8, "Show System Tray Icon"},
        {IDC_TRAY_HIDE, "Button", 32, 256, 173, 8, "Hide System Tray Icon"},
        {IDC_TRAY_PICTURE_HIDDEN, "Static", 263, 241, 156, 25, nullptr, IDB_TRAY_HIDDEN},
        {IDC_TRAY_PICTURE_SHOWN, "Static", 263, 242, 156, 25, nullptr, IDB_TRAY_SHOWN},
    }));

    return dialogs;
}

// The radio groups, each in the order of its radio index.
struct RadioGroup {
    int dialog;
    std::vector<int> radios;
};

const std::vector<RadioGroup> kRadioGroups = {
    {IDD_INTERNET_NAV, {IDC_INAV_ENABLE, IDC_INAV_DISABLE}},
    {IDD_LUMORA, {IDC_LUMORA_ENABLE, IDC_LUMORA_DISABLE}},
    {IDD_CUSTOMIZE_KEYS,
     {IDC_FUNCTION_ALL_PROGRAMS, IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE, IDC_FUNCTION_WEB_PAGE}},
    {IDD_PRINT_LABEL, {IDC_PRINT_YES, IDC_PRINT_NO}},
    {IDD_PRINT_LABEL, {IDC_PRINT_WHITE_ON_BLACK, IDC_PRINT_BLACK_ON_WHITE}},
    {IDD_OSD, {IDC_OSD_ENABLE, IDC_OSD_DISABLE}},
    {IDD_OSD, {IDC_TRAY_SHOW, IDC_TRAY_HIDE}},
};

std::string Describe(const driver::DialogItem& item) {
    return "control " + std::to_string(item.id) + " (" + item.className + " \"" + item.text.name + "\" at " +
           std::to_string(item.x) + "," + std::to_string(item.y) + " " + std::to_string(item.cx) + "x" +
           std::to_string(item.cy) + ")";
}

bool Matches(int expected, int actual) { return expected == kAny || expected == actual; }

// Window class names are compared without regard to case, as the system does
// (windres writes "Static" as "STATIC", the Microsoft compiler as an ordinal).
bool SameClass(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool Matches(const ExpectedControl& expected, const driver::DialogItem& item) {
    return expected.id == item.id && SameClass(expected.className, item.className) && Matches(expected.x, item.x) &&
           Matches(expected.y, item.y) && Matches(expected.cx, item.cx) && Matches(expected.cy, item.cy);
}

void PrintTo(const ExpectedDialog& dialog, std::ostream* out) { *out << "dialog " << dialog.id; }

class DialogTest : public testing::TestWithParam<ExpectedDialog> {
protected:
    void SetUp() override {
        std::string error;
        auto loaded = driver::LoadDialogTemplate(Self(), static_cast<WORD>(GetParam().id), kEnglish, &error);
        ASSERT_TRUE(loaded) << error;
        dialog = std::move(*loaded);
    }
    driver::DialogTemplate dialog;
};

TEST_P(DialogTest, HoldsExactlyItsControlIds) {
    std::vector<int> expected;
    for (const ExpectedControl& control : GetParam().controls) expected.push_back(control.id);
    std::vector<int> actual;
    for (const driver::DialogItem& item : dialog.items) actual.push_back(item.id);
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
}

TEST_P(DialogTest, EachControlHasItsClassPositionAndEnglishText) {
    std::vector<bool> used(dialog.items.size(), false);
    for (const ExpectedControl& expected : GetParam().controls) {
        // Named controls are found by id; unnamed ones by class and position.
        size_t found = dialog.items.size();
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            if (!used[i] && Matches(expected, dialog.items[i])) {
                found = i;
                break;
            }
        }
        ASSERT_LT(found, dialog.items.size())
            << "no " << expected.className << " with id " << expected.id << " at " << expected.x << ","
            << expected.y << " " << expected.cx << "x" << expected.cy;
        used[found] = true;
        const driver::DialogItem& item = dialog.items[found];
        if (expected.text) {
            EXPECT_EQ(item.text.name, expected.text) << Describe(item);
        }
        if (expected.bitmap) {
            EXPECT_EQ(item.style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP)) << Describe(item);
            EXPECT_EQ(item.text.ordinal, expected.bitmap) << Describe(item);
        }
    }
}

TEST_P(DialogTest, HasItsSizeCaptionAndFont) {
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.cx, GetParam().cx);
    EXPECT_EQ(dialog.cy, GetParam().cy);
    EXPECT_EQ(dialog.caption, GetParam().caption);
    EXPECT_TRUE(dialog.style & DS_SETFONT);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);
    if (GetParam().id == IDD_ABOUTBOX) {
        EXPECT_TRUE(dialog.style & WS_POPUP);
    } else {
        // A property page template: a disabled child with a caption.
        const DWORD page = WS_CHILD | WS_DISABLED | WS_CAPTION;
        EXPECT_EQ(dialog.style & page, page);
        EXPECT_FALSE(dialog.style & WS_POPUP);
    }
}

TEST_P(DialogTest, NoStaticTakesTheMouse) {
    for (const driver::DialogItem& item : dialog.items) {
        if (SameClass(item.className, "Static")) {
            EXPECT_FALSE(item.style & SS_NOTIFY) << Describe(item);
        }
    }
}

TEST_P(DialogTest, TabStripLabelsArePlainCentredStatics) {
    if (GetParam().id == IDD_ABOUTBOX) return;  // the About box has no page frame
    for (int id = IDC_TAB_INTERNET_NAV; id <= IDC_TAB_SUMMARY; ++id) {
        const driver::DialogItem* label = dialog.Find(id);
        ASSERT_NE(label, nullptr) << id;
        EXPECT_EQ(label->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER)) << Describe(*label);
        EXPECT_TRUE(label->style & WS_VISIBLE) << Describe(*label);
    }
}

TEST_P(DialogTest, RadioGroupsStandTogetherWithTheirFirstRadioStartingTheGroup) {
    for (const RadioGroup& group : kRadioGroups) {
        if (group.dialog != GetParam().id) continue;
        const auto first = std::find_if(dialog.items.begin(), dialog.items.end(),
                                        [&](const driver::DialogItem& item) { return item.id == group.radios[0]; });
        ASSERT_NE(first, dialog.items.end());
        const size_t at = static_cast<size_t>(first - dialog.items.begin());
        ASSERT_LE(at + group.radios.size(), dialog.items.size());
        for (size_t i = 0; i < group.radios.size(); ++i) {
            const driver::DialogItem& radio = dialog.items[at + i];
            EXPECT_EQ(radio.id, group.radios[i]) << "radio " << i << " of the group of " << group.radios[0];
            EXPECT_TRUE(SameClass(radio.className, "Button")) << Describe(radio);
            EXPECT_EQ(radio.style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON)) << Describe(radio);
            EXPECT_EQ((radio.style & WS_GROUP) != 0, i == 0) << Describe(radio);
        }
        // The control after the group starts a group of its own, so that the radios end there.
        const size_t after = at + group.radios.size();
        if (after < dialog.items.size()) {
            EXPECT_TRUE(dialog.items[after].style & WS_GROUP) << Describe(dialog.items[after]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(English, DialogTest, testing::ValuesIn(ExpectedDialogs()),
                         [](const testing::TestParamInfo<ExpectedDialog>& param) {
                             return "Dialog" + std::to_string(param.param.id);
                         });

TEST(DialogDetails, AboutBoxShowsIcon128AndHasADefaultOk) {
    const auto dialog = driver::LoadDialogTemplate(Self(), IDD_ABOUTBOX, kEnglish);
    ASSERT_TRUE(dialog);
    const auto icon = std::find_if(dialog->items.begin(), dialog->items.end(),
                                   [](const driver::DialogItem& item) { return item.text.ordinal == IDR_MAINFRAME; });
    ASSERT_NE(icon, dialog->items.end());
    EXPECT_EQ(icon->style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    const driver::DialogItem* ok = dialog->Find(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST(DialogDetails, CustomizeKeysControlsHaveTheirStyles) {
    const auto dialog = driver::LoadDialogTemplate(Self(), IDD_CUSTOMIZE_KEYS, kEnglish);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->Find(IDC_CHOOSER_PLACEHOLDER)->style & WS_DISABLED);
    EXPECT_TRUE(dialog->Find(IDC_TEST)->style & WS_DISABLED);
    EXPECT_TRUE(dialog->Find(IDC_APPLY)->style & WS_DISABLED);
    EXPECT_TRUE(dialog->Find(IDC_ADDRESS_EDIT)->style & ES_AUTOHSCROLL);
    EXPECT_TRUE(dialog->Find(IDC_LABEL_EDIT)->style & ES_AUTOHSCROLL);
    EXPECT_TRUE(dialog->Find(IDC_RESET_DEFAULTS)->style & BS_LEFT);
    EXPECT_TRUE(dialog->Find(IDC_ASSIGNMENT_CAPTION)->style & BS_LEFT);
    for (int id = IDC_KEY1_NAME; id <= IDC_KEY7_NAME; ++id) {
        EXPECT_EQ(dialog->Find(id)->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER)) << id;
    }
    int separators = 0;
    for (const driver::DialogItem& item : dialog->items) {
        if (item.id == kUnnamed && SameClass(item.className, "Static") && (item.style & SS_TYPEMASK) == SS_BLACKFRAME) {
            ++separators;
        }
    }
    EXPECT_EQ(separators, 3);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
    reinterpret_cast<std::vector<LANGID>*>(list)->push_back(language);
    return TRUE;
}

// The four chooser trees keep no selection highlight of their own when hidden
// and shown again: their style is exactly the template's, in every language.
TEST(DialogDetails, ChooserTreesHaveOneStyleInEveryLanguage) {
    std::vector<LANGID> languages;
    EnumResourceLanguagesA(Self(), RT_DIALOG, MAKEINTRESOURCEA(IDD_CUSTOMIZE_KEYS), AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages.size(), 15u);
    for (LANGID language : languages) {
        const auto dialog = driver::LoadDialogTemplate(Self(), IDD_CUSTOMIZE_KEYS, language);
        ASSERT_TRUE(dialog) << language;
        for (int id : {IDC_ALL_PROGRAMS_TREE, IDC_USER_PROGRAMS_TREE, IDC_FILES_TREE, IDC_FAVORITES_TREE}) {
            EXPECT_EQ(dialog->Find(id)->style, 0x50810007u) << "language " << language << ", tree " << id;
        }
    }
}

TEST(DialogDetails, OsdCombosHaveTheirStyles) {
    const auto dialog = driver::LoadDialogTemplate(Self(), IDD_OSD, kEnglish);
    ASSERT_TRUE(dialog);
    // The owner-drawn pickers.
    EXPECT_EQ(dialog->Find(IDC_OSD_FONT_COMBO)->style, 0x50210313u);
    EXPECT_EQ(dialog->Find(IDC_OSD_COLOR_COMBO)->style, 0x50210313u);
    const DWORD size = dialog->Find(IDC_OSD_SIZE_COMBO)->style;
    EXPECT_EQ(size & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_TRUE(size & CBS_SORT);
    EXPECT_FALSE(size & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE));
    EXPECT_EQ(dialog->Find(IDC_OSD_EXAMPLE)->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_TRUE(dialog->Find(IDC_OSD_EXAMPLE)->style & SS_CENTERIMAGE);
}

TEST(DialogDetails, SummaryExampleIsCentredWithABorder) {
    const auto dialog = driver::LoadDialogTemplate(Self(), IDD_SUMMARY, kEnglish);
    ASSERT_TRUE(dialog);
    const driver::DialogItem* example = dialog->Find(IDC_SUMMARY_OSD_SAMPLE);
    EXPECT_EQ(example->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_TRUE(example->style & SS_CENTERIMAGE);
    EXPECT_TRUE(example->style & (WS_BORDER | SS_SUNKEN));
    for (int id : {IDC_SUMMARY_INAV, IDC_SUMMARY_LUMORA, IDC_SUMMARY_PRINT}) {
        EXPECT_EQ(dialog->Find(id)->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER)) << id;
    }
}

TEST(DialogDetails, SizeComboGetsItsEightSizesFromTheInitialisationData) {
    const auto entries = driver::LoadDialogInit(Self(), IDD_OSD, kEnglish);
    ASSERT_TRUE(entries);
    std::vector<std::string> sizes;
    for (const driver::DialogInitEntry& entry : *entries) {
        EXPECT_EQ(entry.control, IDC_OSD_SIZE_COMBO);
        EXPECT_EQ(entry.message, 0x0403);
        sizes.push_back(entry.Text());
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"12", "14", "18", "26", "28", "36", "48", "72"}));
}

// ---- Pictures

// Pictures with words have one copy in each of these four languages; the rest
// have a single English copy that every language falls back to.
constexpr LANGID kPictureLanguages[] = {
    MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), kEnglish, MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN),
    MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)};
// Languages whose users get one of the four sets through the system's fallback.
// (Not LANG_NEUTRAL: asking for it means any language.)
constexpr LANGID kOtherLanguages[] = {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), MAKELANGID(LANG_CZECH, SUBLANG_DEFAULT),
                                      MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH),
                                      MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN)};

struct ExpectedPicture {
    int id;
    int width, height;
    int bitsPerPixel;
    DWORD compression;
    bool fourSets;
};

const std::vector<ExpectedPicture> kPictures = {
    {IDB_SHEET_WIDTH, 719, 448, 8, BI_RGB, false},
    {IDB_PAGE_BACKGROUND, 716, 550, 8, BI_RGB, false},
    {IDB_SUMMARY_BACKGROUND, 716, 517, 8, BI_RGB, false},
    {IDB_CUSTOMIZE_BACKGROUND, 719, 496, 8, BI_RGB, false},
    {IDB_INSTRUCTIONS, 582, 732, 8, BI_RLE8, false},
    {144, 719, 448, 8, BI_RGB, false},  // never drawn
    {145, 716, 517, 8, BI_RGB, false},
    {153, 719, 448, 8, BI_RGB, false},
    {154, 719, 448, 8, BI_RGB, false},
    {155, 719, 448, 8, BI_RGB, false},
    {156, 719, 448, 8, BI_RGB, false},
    {157, 719, 448, 8, BI_RGB, false},
    {158, 719, 448, 8, BI_RGB, false},
    {159, 719, 448, 8, BI_RGB, false},
    {165, 719, 448, 8, BI_RGB, false},
    {169, 719, 448, 8, BI_RGB, false},
    {170, 719, 448, 8, BI_RGB, false},
    {171, 719, 448, 8, BI_RGB, false},
    {172, 719, 448, 8, BI_RGB, false},
    {173, 719, 448, 8, BI_RGB, false},
    {174, 719, 448, 8, BI_RGB, false},
    {181, 715, 38, 8, BI_RGB, false},
    {IDB_STRIP_WELCOME, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_INTERNET_NAV, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_LUMORA, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_CUSTOMIZE_KEYS, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_PRINT_LABEL, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_OSD, 516, 30, 8, BI_RGB, true},
    {IDB_STRIP_SUMMARY, 516, 30, 8, BI_RGB, true},
    {IDB_WELCOME_PICTURE, 333, 193, 8, BI_RGB, true},
    {IDB_INAV_ON, 350, 212, 8, BI_RGB, true},
    {IDB_INAV_OFF, 350, 212, 8, BI_RGB, true},
    {IDB_LUMORA_ON, 414, 270, 8, BI_RGB, true},
    {IDB_LUMORA_OFF, 414, 270, 8, BI_RGB, true},
    {IDB_KEYS_NONE, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_1, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_2, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_3, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_4, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_5, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_6, 507, 59, 8, BI_RGB, true},
    {IDB_KEYS_7, 507, 59, 8, BI_RGB, true},
    {IDB_STEP_1, 18, 16, 8, BI_RGB, true},
    {IDB_STEP_2, 17, 17, 8, BI_RGB, true},
    {IDB_STEP_3, 18, 18, 8, BI_RGB, true},
    {IDB_STEP_4, 18, 16, 8, BI_RGB, true},
    {IDB_LABEL_WHITE_ON_BLACK, 545, 40, 8, BI_RGB, true},
    {IDB_LABEL_GREYED, 545, 40, 8, BI_RGB, true},
    {IDB_SUMMARY_KEYBOARD, 390, 213, 8, BI_RGB, true},
    {IDB_SUMMARY_KEYS, 117, 51, 8, BI_RGB, true},
    {IDB_SUMMARY_INAV, 116, 35, 4, BI_RGB, true},
    {IDB_SUMMARY_TRAY, 108, 38, 8, BI_RGB, true},
    {IDB_TRAY_HIDDEN, 234, 40, 8, BI_RGB, true},
    {IDB_TRAY_SHOWN, 234, 40, 8, BI_RGB, true},
};

void PrintTo(const ExpectedPicture& picture, std::ostream* out) { *out << "bitmap " << picture.id; }

class PictureTest : public testing::TestWithParam<ExpectedPicture> {};

TEST_P(PictureTest, HasItsSizeAndBitDepthInEveryLanguageItBelongsTo) {
    const ExpectedPicture& expected = GetParam();
    for (LANGID language : kPictureLanguages) {
        const bool belongs = expected.fourSets || language == kEnglish;
        const auto header = driver::LoadBitmapHeader(Self(), static_cast<WORD>(expected.id), language);
        if (!belongs) {
            EXPECT_FALSE(header) << "a language-neutral picture has a copy in language " << language;
            continue;
        }
        ASSERT_TRUE(header) << "no bitmap " << expected.id << " in language " << language;
        EXPECT_EQ(header->biWidth, expected.width) << language;
        EXPECT_EQ(header->biHeight, expected.height) << language;  // positive: stored bottom-up
        EXPECT_EQ(header->biBitCount, expected.bitsPerPixel) << language;
        EXPECT_EQ(header->biCompression, expected.compression) << language;
        // The print job reads a full colour table of 2^bits entries before the pixels.
        EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == (1u << expected.bitsPerPixel)) << language;
    }
}

TEST_P(PictureTest, IsAbsentFromTheLanguagesWithoutPictures) {
    const ExpectedPicture& expected = GetParam();
    for (LANGID language : kOtherLanguages) {
        EXPECT_EQ(FindResourceExA(Self(), MAKEINTRESOURCEA(2) /* RT_BITMAP */,
                                  MAKEINTRESOURCEA(expected.id), language),
                  nullptr)
            << "bitmap " << expected.id << " in language " << language;
    }
}

TEST_P(PictureTest, LoadsThroughTheSystem) {
    const ExpectedPicture& expected = GetParam();
    HBITMAP bitmap = LoadBitmapA(Self(), MAKEINTRESOURCEA(expected.id));
    ASSERT_NE(bitmap, nullptr) << expected.id;
    BITMAP info = {};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, expected.width);
    EXPECT_EQ(info.bmHeight, expected.height);
    DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, PictureTest, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<ExpectedPicture>& param) {
                             return "Bitmap" + std::to_string(param.param.id);
                         });

// The strip picture and the pictures over the page must line up with the
// background's colours where they meet, or a seam shows around them.
TEST(Pictures, StripPicturesStandOnTheBackgroundsRowColour) {
    const auto rowColour = [](int id, int x, int y) {
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                                         LR_CREATEDIBSECTION));
        EXPECT_NE(bitmap, nullptr) << id;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        const COLORREF colour = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
        return colour;
    };
    // The strip stands at page pixels (38, 46); its top left corner is row, not circle.
    const COLORREF row = rowColour(IDB_PAGE_BACKGROUND, 38, 46);
    for (int id : {IDB_STRIP_WELCOME, IDB_STRIP_INTERNET_NAV, IDB_STRIP_SUMMARY}) EXPECT_EQ(rowColour(id, 0, 0), row);
    EXPECT_EQ(rowColour(IDB_SUMMARY_BACKGROUND, 38, 46), row);
    EXPECT_EQ(rowColour(IDB_CUSTOMIZE_BACKGROUND, 38, 46), row);
    // The key row lies on the Customize Keys background exactly as the background draws it.
    for (int x : {0, 100, 250, 506}) {
        EXPECT_EQ(rowColour(IDB_KEYS_NONE, x, 2), rowColour(IDB_CUSTOMIZE_BACKGROUND, 197 + x, 148)) << x;
    }
}

// Beside the disabled style radios, the strip shown while no label is to be
// printed must not look like one that will print: light greys only.
TEST(Pictures, LabelStripOfDoNotPrintIsGreyedInEverySet) {
    for (LANGID language : kPictureLanguages) {
        const std::vector<BYTE> bytes =
            driver::ResourceBytes(Self(), MAKEINTRESOURCEA(2) /* RT_BITMAP */, IDB_LABEL_GREYED, language);
        ASSERT_GT(bytes.size(), sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)) << language;
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data());
        ASSERT_EQ(info->bmiHeader.biBitCount, 8) << language;
        const BYTE* pixels = bytes.data() + info->bmiHeader.biSize + 256 * sizeof(RGBQUAD);
        const int width = info->bmiHeader.biWidth, height = info->bmiHeader.biHeight;
        const int stride = (width + 3) & ~3;
        ASSERT_LE(pixels + stride * height, bytes.data() + bytes.size()) << language;
        int darkest = 255, mostColoured = 0;
        for (int i = 0; i < stride * height; ++i) {
            if (i % stride >= width) continue;  // row padding
            const RGBQUAD colour = info->bmiColors[pixels[i]];
            const int high = std::max({colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
            const int low = std::min({colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
            darkest = std::min(darkest, low);
            mostColoured = std::max(mostColoured, high - low);
        }
        EXPECT_GE(darkest, 128) << "language " << language << ": dark ink in the greyed strip";
        EXPECT_LE(mostColoured, 8) << "language " << language << ": colour in the greyed strip";
    }
}

TEST(Pictures, EveryPictureThatADialogShowsIsThere) {
    for (const ExpectedDialog& dialog : ExpectedDialogs()) {
        for (const ExpectedControl& control : dialog.controls) {
            if (control.bitmap) {
                EXPECT_TRUE(driver::LoadBitmapHeader(Self(), static_cast<WORD>(control.bitmap), kEnglish))
                    << "bitmap " << control.bitmap << " of dialog " << dialog.id;
            }
        }
    }
}

// ---- Icon, strings, menu, accelerators, version block

TEST(Icon, MainFrameIconIsOne32By32ImageWith16Colours) {
    const auto group = driver::LoadIconGroup(Self(), IDR_MAINFRAME, kEnglish);
    ASSERT_TRUE(group);
    ASSERT_EQ(group->size(), 1u);
    const driver::IconEntry& entry = group->front();
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    const auto image = driver::LoadIconImageHeader(Self(), entry.iconId, kEnglish);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->biWidth, 32);
    EXPECT_EQ(image->biHeight, 64);  // the colour image and its mask
    EXPECT_EQ(image->biBitCount, 4);

    HICON icon = static_cast<HICON>(LoadImageA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    DestroyIcon(icon);
}

TEST(Cursor, HandCursorIsOne32By32ImageWithItsHotSpotAt12And4) {
    const std::vector<BYTE> group = driver::ResourceBytes(Self(), MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */,
                                                          IDC_HAND_CURSOR, kEnglish);
    ASSERT_GE(group.size(), 6u + 14u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(count, 1);
    WORD cursorId = 0;
    std::memcpy(&cursorId, group.data() + 6 + 12, 2);
    // RT_CURSOR data: the hot spot, then the image.
    const std::vector<BYTE> image =
        driver::ResourceBytes(Self(), MAKEINTRESOURCEA(1) /* RT_CURSOR */, cursorId, kEnglish);
    ASSERT_GE(image.size(), 4 + sizeof(BITMAPINFOHEADER));
    WORD hot[2] = {};
    std::memcpy(hot, image.data(), 4);
    EXPECT_EQ(hot[0], 12);
    EXPECT_EQ(hot[1], 4);
    BITMAPINFOHEADER header = {};
    std::memcpy(&header, image.data() + 4, sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64);
    EXPECT_EQ(header.biBitCount, 4);

    EXPECT_NE(LoadCursorA(Self(), MAKEINTRESOURCEA(IDC_HAND_CURSOR)), nullptr);
}

// The click sound: one copy, in Chinese (Traditional) only, that the lookup
// finds for every language.
TEST(Sound, ClickIsA278ByteStereo8BitPcmWaveIn1028Only) {
    const LANGID traditional = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
    const std::vector<BYTE> wave = driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, traditional);
    ASSERT_GE(wave.size(), 44u);
    const auto tag = [&](size_t at) { return std::string(reinterpret_cast<const char*>(wave.data() + at), 4); };
    const auto u16 = [&](size_t at) { WORD v = 0; std::memcpy(&v, wave.data() + at, 2); return v; };
    const auto u32 = [&](size_t at) { DWORD v = 0; std::memcpy(&v, wave.data() + at, 4); return v; };
    EXPECT_EQ(tag(0), "RIFF");
    EXPECT_EQ(u32(4), wave.size() - 8);
    EXPECT_EQ(tag(8), "WAVE");
    // Walk the chunks: fmt first, then data.
    size_t at = 12;
    bool sawFormat = false, sawData = false;
    while (at + 8 <= wave.size()) {
        const std::string id = tag(at);
        const DWORD size = u32(at + 4);
        if (id == "fmt ") {
            sawFormat = true;
            EXPECT_EQ(u16(at + 8), 1);         // PCM
            EXPECT_EQ(u16(at + 10), 2);        // channels
            EXPECT_EQ(u32(at + 12), 22255u);   // samples a second
            EXPECT_EQ(u32(at + 16), 44510u);   // bytes a second
            EXPECT_EQ(u16(at + 20), 2);        // bytes a frame
            EXPECT_EQ(u16(at + 22), 8);        // bits a sample
        } else if (id == "data") {
            sawData = true;
            EXPECT_EQ(size, 278u);
            ASSERT_LE(at + 8 + size, wave.size());
            // A click, not silence: some samples leave the 8-bit midpoint.
            EXPECT_TRUE(std::any_of(wave.begin() + static_cast<long>(at) + 8,
                                    wave.begin() + static_cast<long>(at + 8 + size),
                                    [](BYTE sample) { return sample < 100 || sample > 156; }));
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(sawFormat);
    EXPECT_TRUE(sawData);
    for (LANGID language : {kEnglish, LANGID{MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)}}) {
        EXPECT_TRUE(driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, language).empty()) << language;
    }
    // What PlaySound asks for: the sound by id alone, whatever the thread's language.
    EXPECT_NE(FindResourceA(Self(), MAKEINTRESOURCEA(IDR_CLICK_SOUND), "WAVE"), nullptr);
}

TEST(Strings, EnglishStringTable) {
    const std::vector<std::pair<UINT, std::string>> strings = {
        {IDR_MAINFRAME, "Ravlen"},
        {IDS_WIZARD_CAPTION, "Configuration Wizard"},
        {IDS_ENABLE, "enable"},
        {IDS_DISABLE, "disable"},
        {IDS_YES, "yes"},
        {IDS_NO, "no"},
        {IDS_KEY1_NAME, "Lock Desktop"},
        {IDS_KEY2_NAME, "My Documents"},
        {IDS_KEY3_NAME, "Word Processor"},
        {IDS_KEY4_NAME, "Spreadsheet"},
        {IDS_KEY5_NAME, "Calculator"},
        {IDS_KEY6_NAME, "E-mail"},
        {IDS_KEY7_NAME, "Internet"},
        {IDS_SELECT_FILE, "Select a file:"},
        {IDS_SELECT_WEB_PAGE, "Select a web page:"},
        {IDS_SELECT_PROGRAM, "Select a program:"},
        {IDS_CHANGES_LOST, "Any changes you have made during the session will be lost."},
        {IDS_FAIL, "FAIL"},
        {IDS_SHOW_TRAY_ICON, "Show System Tray Icon"},
        {IDS_HIDE_TRAY_ICON, "Hide System System Icon"},
    };
    for (const auto& [id, text] : strings) {
        EXPECT_EQ(driver::LoadStringIn(Self(), id, kEnglish).value_or("<missing>"), text) << id;
    }
    // And through the system's own lookup.
    char buffer[128] = {};
    EXPECT_GT(LoadStringA(Self(), IDS_KEY6_NAME, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "E-mail");
}

TEST(Menu, FrameMenuHasFileEditAndHelp) {
    const auto menu = driver::LoadMenuEntries(Self(), IDR_MAINFRAME, kEnglish);
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->size(), 3u);
    const driver::MenuEntry& file = (*menu)[0];
    const driver::MenuEntry& edit = (*menu)[1];
    const driver::MenuEntry& help = (*menu)[2];
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.children.size(), 1u);
    EXPECT_EQ(file.children[0].text, "E&xit");
    EXPECT_EQ(file.children[0].command, ID_APP_EXIT);

    EXPECT_EQ(edit.text, "&Edit");
    ASSERT_EQ(edit.children.size(), 5u);
    EXPECT_EQ(edit.children[0].text, "&Undo\tCtrl+Z");
    EXPECT_EQ(edit.children[0].command, ID_EDIT_UNDO);
    EXPECT_TRUE(edit.children[1].IsSeparator());
    EXPECT_EQ(edit.children[2].text, "Cu&t\tCtrl+X");
    EXPECT_EQ(edit.children[2].command, ID_EDIT_CUT);
    EXPECT_EQ(edit.children[3].text, "&Copy\tCtrl+C");
    EXPECT_EQ(edit.children[3].command, ID_EDIT_COPY);
    EXPECT_EQ(edit.children[4].text, "&Paste\tCtrl+V");
    EXPECT_EQ(edit.children[4].command, ID_EDIT_PASTE);

    EXPECT_EQ(help.text, "&Help");
    ASSERT_EQ(help.children.size(), 1u);
    EXPECT_EQ(help.children[0].text, "&About Ravlen...");
    EXPECT_EQ(help.children[0].command, ID_APP_ABOUT);

    HMENU loaded = LoadMenuA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(GetMenuItemCount(loaded), 3);
    DestroyMenu(loaded);
}

TEST(Accelerators, FrameAcceleratorTable) {
    const auto table = driver::LoadAcceleratorEntries(Self(), IDR_MAINFRAME, kEnglish);
    ASSERT_TRUE(table);
    struct Key {
        BYTE modifiers;
        WORD key;
        WORD command;
    };
    const std::vector<Key> expected = {
        {FCONTROL, 'C', ID_EDIT_COPY},      {FCONTROL, VK_INSERT, ID_EDIT_COPY},
        {FCONTROL, 'V', ID_EDIT_PASTE},     {FSHIFT, VK_INSERT, ID_EDIT_PASTE},
        {FCONTROL, 'X', ID_EDIT_CUT},       {FSHIFT, VK_DELETE, ID_EDIT_CUT},
        {FCONTROL, 'Z', ID_EDIT_UNDO},      {FALT, VK_BACK, ID_EDIT_UNDO},
        {0, VK_F6, ID_NEXT_PANE},           {FSHIFT, VK_F6, ID_PREV_PANE},
    };
    ASSERT_EQ(table->size(), expected.size());
    for (const Key& key : expected) {
        const auto found = std::find_if(table->begin(), table->end(), [&](const driver::AcceleratorEntry& entry) {
            return entry.key == key.key && (entry.flags & (FSHIFT | FCONTROL | FALT)) == key.modifiers;
        });
        ASSERT_NE(found, table->end()) << "key " << key.key << " modifiers " << int{key.modifiers};
        EXPECT_TRUE(found->flags & FVIRTKEY);
        EXPECT_EQ(found->command, key.command) << "key " << key.key;
    }

    HACCEL loaded = LoadAcceleratorsA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(CopyAcceleratorTableA(loaded, nullptr, 0), 10);
    DestroyAcceleratorTable(loaded);
}

TEST(Version, VersionBlock) {
    std::string error;
    const auto version = driver::LoadVersionBlock(Self(), kEnglish, &error);
    ASSERT_TRUE(version) << error;
    EXPECT_EQ(version->fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(version->fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(version->fixed.dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(version->fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(version->fixed.dwProductVersionLS, 0x00000001u);
    ASSERT_EQ(version->strings.count("040904B0"), 1u);
    const auto& strings = version->strings.at("040904B0");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"CompanyName", "Quelmar"},
        {"ProductName", "Quelmar USB Tessival Keyboard"},
        {"FileDescription", "Tessival Keyboard Configuration"},
        {"InternalName", "Ravlen"},
        {"OriginalFilename", "Ravlen.EXE"},
        {"FileVersion", "1.0.0.1"},
        {"ProductVersion", "1.0.0.1"},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_EQ(strings.count(name), 1u) << name;
        EXPECT_EQ(strings.at(name), value) << name;
    }
    EXPECT_EQ(version->translations, (std::vector<std::pair<WORD, WORD>>{{0x0409, 1200}}));
}

}  // namespace
