// The colour and face combos on real combo boxes of this process, their
// lists, their selections and the pixels their items are drawn with.
#include "color_combo.h"
#include "font_combo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr UINT kNone = static_cast<UINT>(-1);  // the empty selection's item id

// A hidden parent with one combo box of the template's style, less WS_VISIBLE.
class ComboWindows {
public:
    ComboWindows()
        : parent_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr)) {
        combo_ = CreateWindowExA(0, "COMBOBOX", "",
                                 WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                     CBS_SORT | CBS_HASSTRINGS,
                                 0, 0, 150, 150, parent_, nullptr, nullptr, nullptr);
    }
    ~ComboWindows() { DestroyWindow(parent_); }
    HWND combo() const { return combo_; }

private:
    HWND parent_, combo_;
};

// A 40 x 20 picture filled with kUntouched that one item is drawn into.
class ItemCanvas {
public:
    static constexpr int kWidth = 40, kHeight = 20;

    template <typename Combo>
    ItemCanvas(Combo& combo, UINT itemId, UINT state) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; bits_ && i < kWidth * kHeight; ++i) bits_[i] = 0x010203;  // kUntouched as BGRA
        DRAWITEMSTRUCT item = {ODT_COMBOBOX, 0, itemId, ODA_DRAWENTIRE, state, combo.m_hWnd, dc_, {0, 0, kWidth, kHeight}, 0};
        combo.DrawItem(item);
        GdiFlush();
    }
    ~ItemCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const {
        const DWORD bgra = bits_ ? bits_[y * kWidth + x] : 0;
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    // How many pixels of the rectangle's outline `inset` pixels in, or of the
    // whole picture with inset -1, have the colour; and how many there are.
    std::pair<int, int> Count(COLORREF colour, int inset = -1) const {
        int count = 0, all = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int edge = std::min({x, y, kWidth - 1 - x, kHeight - 1 - y});
                if (inset >= 0 && edge != inset) continue;
                ++all;
                count += At(x, y) == colour;
            }
        }
        return {count, all};
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

LOGFONTA Face(const char* name, LONG weight) {
    LOGFONTA font = {-16, 0, 0, 0, weight, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, 0, 0, {}};
    std::strcpy(font.lfFaceName, name);
    return font;
}

}  // namespace

TEST(ColorCombo, ListsSixteenSwatchesAndLeavesTheColourAloneOutsideThem) {
    ComboWindows windows;
    CColorCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(combo.GetCount(), 16);
    for (int i = 0; i < combo.GetCount(); ++i) EXPECT_EQ(combo.GetLBText(i), "") << "item " << i;
    const struct {
        int index, selected;
        COLORREF colour;
    } rows[] = {{-2, 0, RGB(0, 0, 0)},  // as subclassing leaves it: the first
                {10, 10, 0x00FF00}, {9, 9, 0x0000FF},  // green and red as COLORREFs
                {16, -1, kUntouched}, {-1, -1, kUntouched}, {1000, -1, kUntouched}};
    for (const auto& row : rows) {
        if (row.index != -2) combo.SetCurSel(row.index);
        COLORREF colour = kUntouched;
        EXPECT_EQ(combo.GetSelectedColor(colour), row.selected) << "index " << row.index;
        EXPECT_EQ(colour, row.colour) << "index " << row.index;
    }
}

TEST(ColorCombo, ItemsAreSwatchesInsideABlackFrame) {
    ComboWindows windows;
    CColorCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    // Selected: the frame, an untouched ring, and the focus rectangle's dots on the green swatch's edge.
    const ItemCanvas selected(combo, 10, ODS_SELECTED | ODS_FOCUS);
    const auto [frame, frameAll] = selected.Count(RGB(0, 0, 0), 0);
    EXPECT_EQ(frame, frameAll) << "the black frame round the whole item";
    const auto [ring, ringAll] = selected.Count(kUntouched, 1);
    EXPECT_EQ(ring, ringAll) << "the ring between frame and swatch is left";
    EXPECT_EQ(selected.At(20, 10), RGB(0, 255, 0)) << "the swatch in green";
    const auto [edge, edgeAll] = selected.Count(RGB(0, 255, 0), 2);
    EXPECT_TRUE(edge > 0 && edge < edgeAll) << "a dotted focus rectangle on the swatch's edge";

    // Not selected: the swatch up to its edge, and the frame.
    const ItemCanvas plain(combo, 12, 0);
    const auto [blue, blueAll] = plain.Count(RGB(0, 0, 255), 2);
    EXPECT_EQ(blue, blueAll) << "blue up to its edge";
    EXPECT_EQ(plain.At(0, 0), RGB(0, 0, 0));

    // No selection: an empty field in the window colour, framed, no swatch.
    const ItemCanvas empty(combo, kNone, 0);
    EXPECT_EQ(empty.At(20, 10), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(empty.At(1, 1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(empty.At(0, 10), RGB(0, 0, 0));
}

TEST(FontCombo, ListsTrueTypeFacesAloneOnceWithTheirWholeLogFont) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(combo.GetCount(), 0) << "subclassing alone does not fill the list";
    const LPARAM self = reinterpret_cast<LPARAM>(&combo);
    const LOGFONTA trueType = Face("Quelmar Sans", FW_BOLD), other = Face("Other", FW_NORMAL);
    LOGFONTA chosen = Face("untouched", 1);
    for (DWORD type : std::initializer_list<DWORD>{TRUETYPE_FONTTYPE | DEVICE_FONTTYPE, RASTER_FONTTYPE, DEVICE_FONTTYPE}) {
        EXPECT_EQ(CFontCombo::AddFace(&other, nullptr, type, self), 1) << "the enumeration goes on";
    }
    EXPECT_EQ(combo.GetCount(), 0) << "no TrueType face, no item";
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), -1);
    EXPECT_STREQ(chosen.lfFaceName, "untouched");

    EXPECT_EQ(CFontCombo::AddFace(&trueType, nullptr, TRUETYPE_FONTTYPE, self), 1);
    // The same face reported again (Wine does, once per character set).
    LOGFONTA again = trueType;
    again.lfCharSet = ANSI_CHARSET;
    EXPECT_EQ(CFontCombo::AddFace(&again, nullptr, TRUETYPE_FONTTYPE, self), 1);
    ASSERT_EQ(combo.GetCount(), 1);
    EXPECT_EQ(combo.GetLBText(0), "Quelmar Sans");
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), -1) << "nothing selected yet";
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), 0);
    EXPECT_EQ(std::memcmp(&chosen, &trueType, sizeof chosen), 0) << "every field as the enumeration gave it";
}

TEST(FontCombo, RefillListsTheInstalledFacesOnceEach) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    combo.RefillFonts();
    const int count = combo.GetCount();
    ASSERT_GT(count, 0) << "the prefix has TrueType faces";
    std::set<std::string> faces;
    for (int i = 0; i < count; ++i) {
        const std::string face = combo.GetLBText(i);
        EXPECT_TRUE(faces.insert(face).second) << face << " listed twice";
        combo.SetCurSel(i);
        LOGFONTA font = {};
        ASSERT_EQ(combo.GetSelectedLogFont(font), i);
        EXPECT_EQ(face, font.lfFaceName) << "each item carries its own face's LOGFONT";
    }
    combo.RefillFonts();
    EXPECT_EQ(combo.GetCount(), count) << "a second fill replaces the list";
    EXPECT_NE(combo.FindString(0, "arial"), CB_ERR) << "the prefix maps Arial to a TrueType face the page looks for";
}

TEST(FontCombo, ItemsAreFaceNamesOnTheWindowOrHighlightColour) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    const LOGFONTA face = Face("Quelmar Sans", FW_NORMAL);
    CFontCombo::AddFace(&face, nullptr, TRUETYPE_FONTTYPE, reinterpret_cast<LPARAM>(&combo));
    // The empty selection: the background alone, no text.
    const auto [window, all] = ItemCanvas(combo, kNone, 0).Count(GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(window, all);
    EXPECT_EQ(ItemCanvas(combo, kNone, ODS_SELECTED).Count(GetSysColor(COLOR_HIGHLIGHT)).first, all);
    // An item: its face name in text colour on the background, the whole item filled.
    const ItemCanvas item(combo, 0, 0);
    EXPECT_LT(item.Count(GetSysColor(COLOR_WINDOW)).first, all) << "the face name is drawn";
    EXPECT_EQ(item.Count(kUntouched).first, 0) << "the whole item is filled";
}
