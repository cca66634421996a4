// The resources linked into this test program (ravlen_resources), read back.
// Over all dialogs: radio groups begin and end at their radios, statics leave
// the mouse to the page, the controls keep the styles the pages rely on. Every
// picture is in each of its sets at one size and reached through the system's
// language fallback, and pictures meet without a seam. Every language carries
// the English dialogs control for control with the page frame and the pictures
// in place, the whole string table and the frame's prompts in its own words,
// the English menu commands, keys and size list, and shares texts only where it
// is meant to.

#include "resource.h"
#include "resource_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kTraditionalChinese = 0x0404;
constexpr WORD kDialogs[] = {IDD_ABOUTBOX,       IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA,
                             IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_SUMMARY,      IDD_OSD};
// Pictures with words come in these four sets; every other language falls
// back to one of them (not to LANG_NEUTRAL: asking for it means any language).
constexpr LANGID kPictureSets[] = {kTraditionalChinese, kEnglish, 0x0411, 0x0804};
constexpr LANGID kFallingBack[] = {0x0407, 0x0405, 0x040C, 0x080A};
// Pictures that the code draws rather than a template: one English copy.
constexpr WORD kNeutralPictures[] = {IDB_SHEET_WIDTH, IDB_PAGE_BACKGROUND, IDB_SUMMARY_BACKGROUND,
                                     IDB_CUSTOMIZE_BACKGROUND, IDB_INSTRUCTIONS};

HMODULE Self() { return GetModuleHandleA(nullptr); }
bool IsClass(const driver::DialogItem& item, const char* name) { return lstrcmpiA(item.className.c_str(), name) == 0; }

driver::DialogTemplate Load(WORD id, LANGID language = kEnglish) {
    auto dialog = driver::LoadDialogTemplate(Self(), id, language);
    EXPECT_TRUE(dialog) << "dialog " << id << " in language " << language;
    return dialog ? std::move(*dialog) : driver::DialogTemplate{};
}

std::string Where(WORD dialog, const driver::DialogItem& item) {
    return "dialog " + std::to_string(dialog) + " control " + std::to_string(item.id) + " \"" + item.text.name + "\"";
}

// Each radio group in the order of its radio index, which is the stored value.
struct RadioGroup {
    WORD dialog;
    std::vector<int> radios;
    bool operator==(const RadioGroup&) const = default;
};

TEST(Dialogs, EveryRadioGroupStartsAtItsFirstRadioAndEndsAfterItsLast) {
    const std::vector<RadioGroup> expected = {
        {IDD_INTERNET_NAV, {IDC_INAV_ENABLE, IDC_INAV_DISABLE}},
        {IDD_LUMORA, {IDC_LUMORA_ENABLE, IDC_LUMORA_DISABLE}},
        {IDD_CUSTOMIZE_KEYS,
         {IDC_FUNCTION_ALL_PROGRAMS, IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE, IDC_FUNCTION_WEB_PAGE}},
        {IDD_PRINT_LABEL, {IDC_PRINT_YES, IDC_PRINT_NO}},
        {IDD_PRINT_LABEL, {IDC_PRINT_WHITE_ON_BLACK, IDC_PRINT_BLACK_ON_WHITE}},
        {IDD_OSD, {IDC_OSD_ENABLE, IDC_OSD_DISABLE}},
        {IDD_OSD, {IDC_TRAY_SHOW, IDC_TRAY_HIDE}},
    };
    std::vector<RadioGroup> found;
    for (WORD id : kDialogs) {
        bool inGroup = false;
        for (const driver::DialogItem& item : Load(id).items) {
            const bool radio = IsClass(item, "Button") && (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            const bool starts = item.style & WS_GROUP;
            // A group starts with its first radio, and the control after its last starts one of its own.
            EXPECT_TRUE(radio == inGroup || starts) << Where(id, item);
            if (radio && (starts || !inGroup)) found.push_back({id, {}});
            if (radio) found.back().radios.push_back(item.id);
            inGroup = radio;
        }
    }
    EXPECT_TRUE(found == expected) << "the radios of a group, or their order, changed";
}

TEST(Dialogs, NoStaticTakesTheMouseAndTheControlsKeepTheStylesThePagesUse) {
    for (WORD id : kDialogs) {
        for (const driver::DialogItem& item : Load(id).items) {
            EXPECT_FALSE(IsClass(item, "Static") && (item.style & SS_NOTIFY)) << Where(id, item);
        }
    }
    constexpr DWORD kComboKind = 3 | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    const struct {
        WORD dialog;
        int control;
        DWORD mask, value;
    } styles[] = {
        {IDD_ABOUTBOX, IDOK, BS_TYPEMASK, BS_DEFPUSHBUTTON},
        // Addresses and labels longer than their boxes must still be typed.
        {IDD_CUSTOMIZE_KEYS, IDC_ADDRESS_EDIT, ES_AUTOHSCROLL, ES_AUTOHSCROLL},
        {IDD_CUSTOMIZE_KEYS, IDC_LABEL_EDIT, ES_AUTOHSCROLL, ES_AUTOHSCROLL},
        // Offered only once a key and a choice are made.
        {IDD_CUSTOMIZE_KEYS, IDC_TEST, WS_DISABLED, WS_DISABLED},
        {IDD_CUSTOMIZE_KEYS, IDC_APPLY, WS_DISABLED, WS_DISABLED},
        // The swatch and face pickers draw their items and keep their texts; the size list is plain.
        {IDD_OSD, IDC_OSD_COLOR_COMBO, kComboKind, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
        {IDD_OSD, IDC_OSD_FONT_COMBO, kComboKind, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
        {IDD_OSD, IDC_OSD_SIZE_COMBO, kComboKind & ~CBS_HASSTRINGS, CBS_DROPDOWNLIST},
    };
    for (const auto& style : styles) {
        const driver::DialogTemplate dialog = Load(style.dialog);
        const driver::DialogItem* item = dialog.Find(style.control);
        ASSERT_NE(item, nullptr) << style.control;
        EXPECT_EQ(item->style & style.mask, style.value) << Where(style.dialog, *item);
    }
}

// ---- Pictures

void ExpectInTheSetsItBelongsTo(WORD id, bool everySet) {
    const auto english = driver::LoadBitmapHeader(Self(), id, kEnglish);
    ASSERT_TRUE(english) << "bitmap " << id;
    for (LANGID language : kPictureSets) {
        SCOPED_TRACE("bitmap " + std::to_string(id) + " in language " + std::to_string(language));
        const auto header = driver::LoadBitmapHeader(Self(), id, language);
        ASSERT_EQ(header.has_value(), everySet || language == kEnglish);
        if (!header) continue;
        EXPECT_EQ((std::vector<LONG>{header->biWidth, header->biHeight, header->biBitCount,
                                     static_cast<LONG>(header->biCompression)}),
                  (std::vector<LONG>{english->biWidth, english->biHeight, english->biBitCount,
                                     static_cast<LONG>(english->biCompression)}));
        // The print job reads a full colour table of 2^bits entries before the pixels.
        EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == (1u << header->biBitCount));
    }
    for (LANGID language : kFallingBack) {
        EXPECT_FALSE(driver::LoadBitmapHeader(Self(), id, language)) << "bitmap " << id << " in " << language;
    }
    HBITMAP loaded = LoadBitmapA(Self(), MAKEINTRESOURCEA(id));
    EXPECT_NE(loaded, nullptr) << "bitmap " << id << " through the system's lookup";
    DeleteObject(loaded);
}

TEST(Pictures, EveryPictureIsInEachOfItsSetsAtOneSizeAndFoundByFallback) {
    for (WORD dialog : kDialogs) {
        for (const driver::DialogItem& item : Load(dialog).items) {
            const DWORD type = item.style & SS_TYPEMASK;
            if (!IsClass(item, "Static") || (type != SS_BITMAP && type != SS_ICON)) continue;
            ASSERT_TRUE(item.text.IsOrdinal()) << Where(dialog, item);
            const auto image = static_cast<WORD>(item.text.ordinal);
            if (type == SS_ICON) {
                EXPECT_TRUE(FindResourceA(Self(), MAKEINTRESOURCEA(image), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */));
            } else {
                ExpectInTheSetsItBelongsTo(image, true);
            }
        }
    }
    for (WORD id : kNeutralPictures) ExpectInTheSetsItBelongsTo(id, false);
}

COLORREF PixelOf(int id, int x, int y) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    EXPECT_NE(bitmap, nullptr) << id;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return colour;
}

// The strip picture and the pictures over the page must take the background's
// colours where they meet, or a seam shows around them.
TEST(Pictures, StripPicturesStandOnTheBackgroundsRowColour) {
    // The strip stands at page pixels (38, 46); its top left corner is row, not circle.
    const COLORREF row = PixelOf(IDB_PAGE_BACKGROUND, 38, 46);
    for (int id : {IDB_STRIP_WELCOME, IDB_STRIP_INTERNET_NAV, IDB_STRIP_SUMMARY}) EXPECT_EQ(PixelOf(id, 0, 0), row);
    EXPECT_EQ(PixelOf(IDB_SUMMARY_BACKGROUND, 38, 46), row);
    EXPECT_EQ(PixelOf(IDB_CUSTOMIZE_BACKGROUND, 38, 46), row);
    // The key row lies on the Customize Keys background exactly as the background draws it.
    for (int x : {0, 100, 250, 506}) {
        EXPECT_EQ(PixelOf(IDB_KEYS_NONE, x, 2), PixelOf(IDB_CUSTOMIZE_BACKGROUND, 197 + x, 148)) << x;
    }
}

// Beside the disabled style radios, the strip shown while no label is to be
// printed must not look like one that will print: light greys only.
TEST(Pictures, LabelStripOfDoNotPrintIsGreyedInEverySet) {
    for (LANGID language : kPictureSets) {
        SCOPED_TRACE("language " + std::to_string(language));
        const std::vector<BYTE> bytes =
            driver::ResourceBytes(Self(), MAKEINTRESOURCEA(2) /* RT_BITMAP */, IDB_LABEL_GREYED, language);
        ASSERT_GT(bytes.size(), sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data());
        ASSERT_EQ(info->bmiHeader.biBitCount, 8);
        const BYTE* pixels = bytes.data() + info->bmiHeader.biSize + 256 * sizeof(RGBQUAD);
        const int width = info->bmiHeader.biWidth;
        const int stride = (width + 3) & ~3;
        const int count = stride * info->bmiHeader.biHeight;
        ASSERT_LE(pixels + count, bytes.data() + bytes.size());
        int darkest = 255;
        int mostColoured = 0;
        for (int i = 0; i < count; ++i) {
            if (i % stride >= width) continue;  // row padding
            const RGBQUAD c = info->bmiColors[pixels[i]];
            const int high = std::max({c.rgbRed, c.rgbGreen, c.rgbBlue});
            const int low = std::min({c.rgbRed, c.rgbGreen, c.rgbBlue});
            darkest = std::min(darkest, low);
            mostColoured = std::max(mostColoured, high - low);
        }
        EXPECT_GE(darkest, 128) << "dark ink in the greyed strip";
        EXPECT_LE(mostColoured, 8) << "colour in the greyed strip";
    }
}

// What the frame and the pages load by id alone, whatever the thread's language.
TEST(Resources, TheFramesIconAndCursorAndTheClickSoundLoadThroughTheSystem) {
    EXPECT_TRUE(LoadImageA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 32, 32, LR_SHARED));
    // The hand clicks with its fingertip.
    ICONINFO hand = {};
    ASSERT_TRUE(GetIconInfo(LoadCursorA(Self(), MAKEINTRESOURCEA(IDC_HAND_CURSOR)), &hand));
    EXPECT_EQ(std::pair(hand.xHotspot, hand.yHotspot), std::pair(DWORD{12}, DWORD{4}));
    DeleteObject(hand.hbmMask);
    DeleteObject(hand.hbmColor);
    // The click: one copy, in Chinese (Traditional) only, a wave of sound rather than silence.
    EXPECT_NE(FindResourceA(Self(), MAKEINTRESOURCEA(IDR_CLICK_SOUND), "WAVE"), nullptr);
    EXPECT_TRUE(driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, kEnglish).empty());
    const std::vector<BYTE> wave = driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, kTraditionalChinese);
    ASSERT_GT(wave.size(), 44u);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4) + std::string(wave.begin() + 8, wave.begin() + 12),
              "RIFFWAVE");
    EXPECT_TRUE(std::any_of(wave.begin() + 44, wave.end(), [](BYTE sample) { return sample < 100 || sample > 156; }));
}

// ---- Languages

struct Language {
    LANGID id;
    const char* name;
    LANGID textsOf;    // the language whose texts it carries, or 0
    bool englishHide;  // IDS_HIDE_TRAY_ICON keeps the English text
};

const std::vector<Language> kLanguages = {
    {0x0404, "ChineseTraditional", 0, false},
    {0x0405, "Czech", 0, false},
    {0x0407, "German", 0, false},
    {0x0409, "English", 0, true},
    {0x040A, "SpanishTraditional", 0, false},
    {0x040C, "French", 0, false},
    {0x0410, "Italian", 0, false},
    {0x0411, "Japanese", 0, false},
    {0x0416, "PortugueseBrazil", 0, false},
    {0x041B, "Slovak", 0, false},
    {0x041F, "Turkish", 0, false},
    {0x0424, "Slovenian", 0x041B, true},
    {0x0804, "ChineseSimplified", 0, false},
    {0x080A, "SpanishMexico", 0x040A, true},
    {0x0C0A, "SpanishModern", 0x040A, false},
};

std::string String(UINT id, LANGID language) { return driver::LoadStringIn(Self(), id, language).value_or(""); }

bool IsPicture(const driver::DialogItem& item) {
    const DWORD type = item.style & SS_TYPEMASK;
    return IsClass(item, "Static") && (type == SS_BITMAP || type == SS_ICON);
}

// The title, the Tab strip labels and the strip picture line up with the page
// background.
bool IsPageFrame(int id) {
    return (id >= IDC_TAB_INTERNET_NAV && id <= IDC_TITLE) || (id >= IDC_STRIP_WELCOME && id <= IDC_STRIP_SUMMARY);
}

// The page frame scales Traditional Chinese pages with 12 instead of 13 as the
// vertical reference, so their vertical dialog units are 13/12 of the English.
short Vertical(short english, LANGID language) {
    return language == kTraditionalChinese ? static_cast<short>(std::lround(english * 13.0 / 12.0)) : english;
}

std::vector<short> Box(const driver::DialogItem& item) { return {item.x, item.y, item.cx, item.cy}; }

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

class LanguageTest : public testing::TestWithParam<Language> {};

TEST_P(LanguageTest, DialogsHaveTheEnglishControlsAndKeepFrameAndPicturesInPlace) {
    const LANGID language = GetParam().id;
    const bool traditional = language == kTraditionalChinese;
    for (WORD id : kDialogs) {
        const driver::DialogTemplate english = Load(id, kEnglish);
        const driver::DialogTemplate dialog = Load(id, language);
        EXPECT_EQ(dialog.cx, english.cx) << id;
        EXPECT_EQ(dialog.cy, Vertical(english.cy, language)) << id;
        EXPECT_EQ(dialog.style, english.style) << id;
        EXPECT_EQ(dialog.typeface, traditional ? "\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94" : "MS Sans Serif");
        EXPECT_EQ(dialog.pointSize, traditional ? 9 : 8) << id;
        EXPECT_TRUE(language == kEnglish || dialog.caption != english.caption) << id;
        // Control by control in the same order: radio groups and tab order depend on it.
        ASSERT_EQ(dialog.items.size(), english.items.size()) << "dialog " << id;
        for (size_t i = 0; i < english.items.size(); ++i) {
            const driver::DialogItem& want = english.items[i];
            const driver::DialogItem& have = dialog.items[i];
            ASSERT_EQ(have.id, want.id) << "item " << i << " of dialog " << id;
            EXPECT_TRUE(IsClass(have, want.className.c_str())) << Where(id, have);
            EXPECT_EQ(have.style, want.style) << Where(id, have);
            if (IsPicture(want) || IsPageFrame(want.id)) {
                EXPECT_EQ(have.text.ordinal, want.text.ordinal) << Where(id, have);
                EXPECT_EQ(Box(have), (std::vector<short>{want.x, Vertical(want.y, language), want.cx,
                                                         Vertical(want.cy, language)}))
                    << Where(id, have);
            }
            if (IsClass(want, "Static") && !IsPicture(want) && !want.text.name.empty()) {
                EXPECT_FALSE(have.text.name.empty()) << "untranslated: " << Where(id, want);
            }
        }
    }
}

// The frame's commands carry the framework's prompts, each as "status-bar
// text\ntooltip", and the idle prompt one line, all in the language's words.
TEST_P(LanguageTest, StringTableIsCompleteInTheLanguagesOwnWords) {
    const LANGID language = GetParam().id;
    EXPECT_EQ(String(IDR_MAINFRAME, language), "Ravlen");
    for (UINT id = IDS_WIZARD_CAPTION; id <= IDS_HIDE_TRAY_ICON; ++id) EXPECT_NE(String(id, language), "") << id;
    EXPECT_TRUE(language == kEnglish || String(IDS_WIZARD_CAPTION, language) != String(IDS_WIZARD_CAPTION, kEnglish));
    const std::string hide = String(IDS_HIDE_TRAY_ICON, language);
    EXPECT_EQ(hide == String(IDS_HIDE_TRAY_ICON, kEnglish), GetParam().englishHide) << hide;
    EXPECT_NE(hide, String(IDS_SHOW_TRAY_ICON, language));
    const std::string idle = String(AFX_IDS_IDLEMESSAGE, language);
    EXPECT_TRUE(!idle.empty() && idle.find('\n') == std::string::npos) << idle;
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_APP_ABOUT, ID_APP_EXIT, ID_NEXT_PANE,
                    ID_PREV_PANE}) {
        const std::string text = String(id, language);
        const size_t newline = text.find('\n');
        EXPECT_TRUE(newline != std::string::npos && newline > 0 && newline + 1 < text.size() &&
                    text.find('\n', newline + 1) == std::string::npos)
            << "command " << id << ": \"" << text << "\"";
        EXPECT_TRUE(language == kEnglish || text != String(id, kEnglish)) << text;
    }
}

using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)>;

// The frame's menu as the system builds it from the template in exactly that language.
OwnedMenu MenuIn(LANGID language) {
    const std::vector<BYTE> bytes = driver::ResourceBytes(Self(), MAKEINTRESOURCEA(4) /* RT_MENU */, IDR_MAINFRAME,
                                                          language);
    return OwnedMenu(bytes.empty() ? nullptr : LoadMenuIndirectA(bytes.data()), &DestroyMenu);
}

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

// A language's own size list and keys, where it has them, are the English
// ones; its own menu is translated and reaches the English commands.
TEST_P(LanguageTest, OwnSizeListMenuAndKeysAreTheEnglishOnes) {
    const LANGID language = GetParam().id;
    for (const auto& [type, id] : {std::pair{MAKEINTRESOURCEA(240) /* RT_DLGINIT */, WORD{IDD_OSD}},
                                   std::pair{MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */, WORD{IDR_MAINFRAME}}}) {
        const std::vector<BYTE> bytes = driver::ResourceBytes(Self(), type, id, language);
        EXPECT_TRUE(bytes.empty() || bytes == driver::ResourceBytes(Self(), type, id, kEnglish)) << "resource " << id;
    }
    const OwnedMenu english = MenuIn(kEnglish);
    const OwnedMenu menu = MenuIn(language);
    ASSERT_TRUE(english);
    if (!menu) return;
    ASSERT_EQ(GetMenuItemCount(menu.get()), GetMenuItemCount(english.get()));
    for (int i = 0; i < GetMenuItemCount(english.get()); ++i) {
        EXPECT_TRUE(language == kEnglish || MenuText(menu.get(), i) != MenuText(english.get(), i)) << i;
        HMENU mine = GetSubMenu(menu.get(), i);
        HMENU theirs = GetSubMenu(english.get(), i);
        ASSERT_EQ(GetMenuItemCount(mine), GetMenuItemCount(theirs)) << MenuText(menu.get(), i);
        for (int j = 0; j < GetMenuItemCount(theirs); ++j) {
            EXPECT_EQ(GetMenuItemID(mine, j), GetMenuItemID(theirs, j)) << MenuText(mine, j);
        }
    }
}

// A language that carries another's texts has them all, in the same places;
// every other language has its own.
TEST_P(LanguageTest, SharesItsTextsOnlyWithTheLanguageItCarries) {
    const LANGID language = GetParam().id;
    if (!GetParam().textsOf) {
        const driver::DialogTemplate page = Load(IDD_INTERNET_NAV, language);
        for (const Language& other : kLanguages) {
            if (other.id == language || other.textsOf) continue;
            const driver::DialogTemplate theirs = Load(IDD_INTERNET_NAV, other.id);
            ASSERT_TRUE(page.Find(IDC_INAV_TEXT1) && theirs.Find(IDC_INAV_TEXT1));
            EXPECT_NE(page.Find(IDC_INAV_TEXT1)->text.name, theirs.Find(IDC_INAV_TEXT1)->text.name) << other.name;
        }
        return;
    }
    const LANGID source = GetParam().textsOf;
    for (WORD id : kDialogs) {
        const driver::DialogTemplate dialog = Load(id, language);
        const driver::DialogTemplate original = Load(id, source);
        EXPECT_EQ(dialog.caption, original.caption) << id;
        ASSERT_EQ(dialog.items.size(), original.items.size()) << id;
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            EXPECT_EQ(dialog.items[i].text.name, original.items[i].text.name) << Where(id, dialog.items[i]);
            EXPECT_EQ(Box(dialog.items[i]), Box(original.items[i])) << Where(id, dialog.items[i]);
        }
    }
    for (UINT id = IDS_WIZARD_CAPTION; id < IDS_HIDE_TRAY_ICON; ++id) {
        EXPECT_EQ(String(id, language), String(id, source)) << id;
    }
}

// A label as one would read it: a line break set by hand joins the two lines
// (it splits a compound or stands where Chinese and Japanese put no blank),
// a word split with a hyphen there is whole again, and runs of blanks are one.
std::string Reading(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && i + 2 < text.size() && text[i + 1] == '\n' &&
            std::islower(static_cast<unsigned char>(text[i + 2]))) {
            ++i;  // "Bildschirm-\nanzeigen" reads "Bildschirmanzeigen"
        } else if (c == ' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else if (c != '\n') {
            out += c;
        }
    }
    return out;
}

// Every page shows the Welcome page's Tab strip, and a page's title is the
// name its label gives it, so that the reader meets one name for each page.
TEST_P(LanguageTest, EveryPageHasTheSameTabStripAndEachTitleMatchesItsLabel) {
    const LANGID language = GetParam().id;
    const WORD pages[] = {IDD_INTERNET_NAV, IDD_LUMORA, IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_OSD, IDD_SUMMARY};
    const driver::DialogTemplate welcome = Load(IDD_WELCOME, language);
    for (int i = 0; i < 6; ++i) {
        const driver::DialogTemplate page = Load(pages[i], language);
        for (int label = IDC_TAB_INTERNET_NAV; label <= IDC_TAB_SUMMARY; ++label) {
            const driver::DialogItem* mine = page.Find(label);
            const driver::DialogItem* theirs = welcome.Find(label);
            ASSERT_TRUE(mine && theirs) << "dialog " << pages[i] << " label " << label;
            EXPECT_TRUE(mine->text.name == theirs->text.name && mine->style == theirs->style &&
                        Box(*mine) == Box(*theirs))
                << Where(pages[i], *mine) << " against the Welcome page's";
        }
        ASSERT_TRUE(page.Find(IDC_TITLE)) << "dialog " << pages[i];
        EXPECT_EQ(Reading(page.Find(IDC_TITLE)->text.name), Reading(welcome.Find(IDC_TAB_INTERNET_NAV + i)->text.name))
            << "dialog " << pages[i];
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& param) { return std::string(param.param.name); });

}  // namespace
