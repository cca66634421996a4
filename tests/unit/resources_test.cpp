// Rules the resources linked into this test program (ravlen_resources) keep
// over all their dialogs and pictures: radio groups begin and end at their
// radios, statics leave the mouse to the page, the controls keep the styles the
// pages rely on, every picture is in each of its sets at one size and reached
// through the system's language fallback, pictures meet without a seam, and
// the frame's icon, cursor, menu, keys and click sound load by id alone.

#include "resource.h"
#include "resource_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kDialogs[] = {IDD_ABOUTBOX,       IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA,
                             IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_SUMMARY,      IDD_OSD};
// Pictures with words come in these four sets; every other language falls
// back to one of them (not to LANG_NEUTRAL: asking for it means any language).
constexpr LANGID kPictureSets[] = {0x0404, kEnglish, 0x0411, 0x0804};
constexpr LANGID kFallingBack[] = {0x0407, 0x0405, 0x040C, 0x080A};
// Pictures that the code draws rather than a template: one English copy.
constexpr WORD kNeutralPictures[] = {IDB_SHEET_WIDTH, IDB_PAGE_BACKGROUND, IDB_SUMMARY_BACKGROUND,
                                     IDB_CUSTOMIZE_BACKGROUND, IDB_INSTRUCTIONS};

HMODULE Self() { return GetModuleHandleA(nullptr); }
bool IsClass(const driver::DialogItem& item, const char* name) { return lstrcmpiA(item.className.c_str(), name) == 0; }

driver::DialogTemplate Load(WORD id) {
    auto dialog = driver::LoadDialogTemplate(Self(), id, kEnglish);
    EXPECT_TRUE(dialog) << "dialog " << id;
    return dialog ? std::move(*dialog) : driver::DialogTemplate{};
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
        const driver::DialogTemplate dialog = Load(id);
        bool inGroup = false;
        for (const driver::DialogItem& item : dialog.items) {
            const bool radio = IsClass(item, "Button") && (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            const bool starts = item.style & WS_GROUP;
            // A group starts with its first radio, and the control after its last starts one of its own.
            if (radio != inGroup) {
                EXPECT_TRUE(starts) << "dialog " << id << " control " << item.id;
            }
            if (radio && (starts || !inGroup)) found.push_back({id, {}});
            if (radio) found.back().radios.push_back(item.id);
            inGroup = radio;
        }
    }
    EXPECT_EQ(found.size(), expected.size());
    EXPECT_TRUE(found == expected) << "the radios of a group, or their order, changed";
}

TEST(Dialogs, NoStaticTakesTheMouseAndTheControlsKeepTheStylesThePagesUse) {
    for (WORD id : kDialogs) {
        for (const driver::DialogItem& item : Load(id).items) {
            EXPECT_FALSE(IsClass(item, "Static") && (item.style & SS_NOTIFY)) << "dialog " << id << " " << item.id;
        }
    }
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
        {IDD_OSD, IDC_OSD_COLOR_COMBO, 3 | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
         CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
        {IDD_OSD, IDC_OSD_FONT_COMBO, 3 | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
         CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
        {IDD_OSD, IDC_OSD_SIZE_COMBO, 3 | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_DROPDOWNLIST},
    };
    for (const auto& style : styles) {
        const driver::DialogTemplate dialog = Load(style.dialog);
        const driver::DialogItem* item = dialog.Find(style.control);
        ASSERT_NE(item, nullptr) << style.control;
        EXPECT_EQ(item->style & style.mask, style.value) << "dialog " << style.dialog << " control " << style.control;
    }
}

// ---- Pictures

void ExpectInTheSetsItBelongsTo(WORD id, bool everySet) {
    const auto english = driver::LoadBitmapHeader(Self(), id, kEnglish);
    ASSERT_TRUE(english) << "bitmap " << id;
    for (LANGID language : kPictureSets) {
        const auto header = driver::LoadBitmapHeader(Self(), id, language);
        ASSERT_EQ(header.has_value(), everySet || language == kEnglish) << "bitmap " << id << " in " << language;
        if (!header) continue;
        EXPECT_EQ(header->biWidth, english->biWidth) << "bitmap " << id << " in " << language;
        EXPECT_EQ(header->biHeight, english->biHeight) << "bitmap " << id << " in " << language;
        EXPECT_EQ(header->biBitCount, english->biBitCount) << "bitmap " << id << " in " << language;
        EXPECT_EQ(header->biCompression, english->biCompression) << "bitmap " << id << " in " << language;
        // The print job reads a full colour table of 2^bits entries before the pixels.
        EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == (1u << header->biBitCount)) << id;
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
            ASSERT_TRUE(item.text.IsOrdinal()) << "dialog " << dialog << " control " << item.id;
            const auto image = static_cast<WORD>(item.text.ordinal);
            if (type == SS_ICON) {
                EXPECT_TRUE(FindResourceA(Self(), MAKEINTRESOURCEA(image), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */)) << image;
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
        const std::vector<BYTE> bytes = driver::ResourceBytes(Self(), MAKEINTRESOURCEA(2) /* RT_BITMAP */, IDB_LABEL_GREYED, language);
        ASSERT_GT(bytes.size(), sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)) << language;
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data());
        ASSERT_EQ(info->bmiHeader.biBitCount, 8) << language;
        const BYTE* pixels = bytes.data() + info->bmiHeader.biSize + 256 * sizeof(RGBQUAD);
        const int width = info->bmiHeader.biWidth, stride = (width + 3) & ~3;
        const int count = stride * info->bmiHeader.biHeight;
        ASSERT_LE(pixels + count, bytes.data() + bytes.size()) << language;
        int darkest = 255, mostColoured = 0;
        for (int i = 0; i < count; ++i) {
            if (i % stride >= width) continue;  // row padding
            const RGBQUAD c = info->bmiColors[pixels[i]];
            const int high = std::max({c.rgbRed, c.rgbGreen, c.rgbBlue}), low = std::min({c.rgbRed, c.rgbGreen, c.rgbBlue});
            darkest = std::min(darkest, low);
            mostColoured = std::max(mostColoured, high - low);
        }
        EXPECT_GE(darkest, 128) << "language " << language << ": dark ink in the greyed strip";
        EXPECT_LE(mostColoured, 8) << "language " << language << ": colour in the greyed strip";
    }
}

// ---- What the frame and the pages load by id alone, whatever the thread's language

TEST(Resources, TheFramesResourcesAndTheClickSoundLoadThroughTheSystem) {
    EXPECT_TRUE(LoadImageA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 32, 32, LR_SHARED));
    // The hand clicks with its fingertip.
    ICONINFO hand = {};
    ASSERT_TRUE(GetIconInfo(LoadCursorA(Self(), MAKEINTRESOURCEA(IDC_HAND_CURSOR)), &hand));
    EXPECT_EQ(std::pair(hand.xHotspot, hand.yHotspot), std::pair(DWORD{12}, DWORD{4}));
    DeleteObject(hand.hbmMask);
    DeleteObject(hand.hbmColor);
    HMENU menu = LoadMenuA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_TRUE(menu);
    DestroyMenu(menu);
    HACCEL keys = LoadAcceleratorsA(Self(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_TRUE(keys);
    DestroyAcceleratorTable(keys);
    // The click: one copy, in Chinese (Traditional) only, a wave of sound rather than silence.
    EXPECT_NE(FindResourceA(Self(), MAKEINTRESOURCEA(IDR_CLICK_SOUND), "WAVE"), nullptr);
    EXPECT_TRUE(driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, kEnglish).empty());
    const std::vector<BYTE> wave = driver::ResourceBytes(Self(), "WAVE", IDR_CLICK_SOUND, 0x0404);
    ASSERT_GT(wave.size(), 44u);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4) + std::string(wave.begin() + 8, wave.begin() + 12),
              "RIFFWAVE");
    EXPECT_TRUE(std::any_of(wave.begin() + 44, wave.end(), [](BYTE sample) { return sample < 100 || sample > 156; }));
}

}  // namespace
