// The colour and face combos on real combo boxes of this process, their
// lists, their selections and the pixels their items are drawn with.
#include "color_combo.h"
#include "font_combo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// The dialog template's style of both combos, less WS_VISIBLE.
constexpr DWORD kComboStyle = WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                              CBS_SORT | CBS_HASSTRINGS;
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A hidden parent with one combo box of the template's style.
class ComboWindows {
public:
    ComboWindows() {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        combo_ = CreateWindowExA(0, "COMBOBOX", "", kComboStyle, 0, 0, 150, 150, parent_, nullptr, nullptr, nullptr);
    }
    ~ComboWindows() {
        if (parent_) DestroyWindow(parent_);
    }
    HWND combo() const { return combo_; }

private:
    HWND parent_ = nullptr;
    HWND combo_ = nullptr;
};

// A 32-bit picture to draw an item into, filled with kUntouched.
class ItemCanvas {
public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 20;

    ItemCanvas() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, kWidth, kHeight};
        HBRUSH fill = CreateSolidBrush(kUntouched);
        FillRect(dc_, &all, fill);
        DeleteObject(fill);
    }
    ~ItemCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    bool Ready() const { return dc_ && bitmap_ && bits_; }

    DRAWITEMSTRUCT Item(HWND combo, UINT itemId, UINT state) const {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_COMBOBOX;
        item.itemID = itemId;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = combo;
        item.hDC = dc_;
        item.rcItem = {0, 0, kWidth, kHeight};
        return item;
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD bgra = bits_[y * kWidth + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    // The pixels on the outline of a rectangle (its last column and row included).
    std::vector<COLORREF> Outline(int left, int top, int right, int bottom) const {
        std::vector<COLORREF> pixels;
        for (int x = left; x <= right; ++x) {
            pixels.push_back(At(x, top));
            pixels.push_back(At(x, bottom));
        }
        for (int y = top + 1; y < bottom; ++y) {
            pixels.push_back(At(left, y));
            pixels.push_back(At(right, y));
        }
        return pixels;
    }
    int CountOf(COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) count += At(x, y) == colour;
        return count;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

LOGFONTA Face(const char* name, LONG weight) {
    LOGFONTA font = {};
    std::strcpy(font.lfFaceName, name);
    font.lfWeight = weight;
    font.lfHeight = -16;
    font.lfCharSet = RUSSIAN_CHARSET;
    return font;
}

int Count(const std::vector<COLORREF>& pixels, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : pixels) count += pixel == colour;
    return count;
}

}  // namespace

TEST(ColorCombo, SubclassingListsSixteenSwatchesWithTheFirstSelected) {
    ComboWindows windows;
    ASSERT_NE(windows.combo(), nullptr);
    CColorCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(combo.GetCount(), 16);
    EXPECT_EQ(combo.GetCurSel(), 0);
    for (int i = 0; i < combo.GetCount(); ++i) EXPECT_EQ(combo.GetLBText(i), "") << "item " << i;

    COLORREF colour = kUntouched;
    EXPECT_EQ(combo.GetSelectedColor(colour), 0);
    EXPECT_EQ(colour, RGB(0, 0, 0));
    combo.SetCurSel(10);
    EXPECT_EQ(combo.GetSelectedColor(colour), 10);
    EXPECT_EQ(colour, 0x00FF00u) << "green as a COLORREF";
    combo.SetCurSel(9);
    EXPECT_EQ(combo.GetSelectedColor(colour), 9);
    EXPECT_EQ(colour, 0x0000FFu) << "red as a COLORREF";

    // Outside the palette: no selection, and the colour is left alone.
    for (int outside : {16, -1, 1000}) {
        combo.SetCurSel(outside);
        colour = kUntouched;
        EXPECT_EQ(combo.GetSelectedColor(colour), -1) << "index " << outside;
        EXPECT_EQ(colour, kUntouched) << "index " << outside;
    }
}

TEST(ColorCombo, ItemsAreSwatchesInsideABlackFrame) {
    ComboWindows windows;
    CColorCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    const int right = ItemCanvas::kWidth - 1;
    const int bottom = ItemCanvas::kHeight - 1;

    // Selected: the focus rectangle's dots lie on the swatch's edge, inside the frame.
    ItemCanvas selected;
    ASSERT_TRUE(selected.Ready());
    combo.DrawItem(selected.Item(combo.m_hWnd, 10, ODS_SELECTED | ODS_FOCUS));
    const auto frame = selected.Outline(0, 0, right, bottom);
    EXPECT_EQ(Count(frame, RGB(0, 0, 0)), static_cast<int>(frame.size())) << "the black frame round the whole item";
    const auto ring = selected.Outline(1, 1, right - 1, bottom - 1);
    EXPECT_EQ(Count(ring, kUntouched), static_cast<int>(ring.size())) << "the ring between frame and swatch is left";
    EXPECT_EQ(selected.At(20, 10), RGB(0, 255, 0)) << "the swatch in green";
    const auto edge = selected.Outline(2, 2, right - 2, bottom - 2);
    const int edgeGreen = Count(edge, RGB(0, 255, 0));
    EXPECT_GT(edgeGreen, 0) << "the focus rectangle is dotted";
    EXPECT_LT(edgeGreen, static_cast<int>(edge.size())) << "a focus rectangle on the swatch's edge";

    // Not selected: the swatch and the frame only.
    ItemCanvas plain;
    combo.DrawItem(plain.Item(combo.m_hWnd, 12, 0));
    const auto plainEdge = plain.Outline(2, 2, right - 2, bottom - 2);
    EXPECT_EQ(Count(plainEdge, RGB(0, 0, 255)), static_cast<int>(plainEdge.size())) << "blue up to its edge";
    EXPECT_EQ(plain.At(0, 0), RGB(0, 0, 0));

    // No selection: an empty field in the window colour, framed, no swatch.
    ItemCanvas empty;
    combo.DrawItem(empty.Item(combo.m_hWnd, static_cast<UINT>(-1), 0));
    EXPECT_EQ(empty.At(20, 10), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(empty.At(1, 1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(empty.At(0, 10), RGB(0, 0, 0));
}

TEST(FontCombo, ListsTrueTypeFacesAloneWithTheirWholeLogFont) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(combo.GetCount(), 0) << "subclassing alone does not fill the list";

    const LOGFONTA trueType = Face("Quelmar Sans", FW_BOLD);
    const LOGFONTA others[] = {Face("Device TrueType", FW_NORMAL), Face("Raster", FW_NORMAL),
                               Face("Device", FW_NORMAL)};
    const LPARAM self = reinterpret_cast<LPARAM>(&combo);
    EXPECT_EQ(CFontCombo::AddFace(&others[0], nullptr, TRUETYPE_FONTTYPE | DEVICE_FONTTYPE, self), 1);
    EXPECT_EQ(CFontCombo::AddFace(&trueType, nullptr, TRUETYPE_FONTTYPE, self), 1);
    EXPECT_EQ(CFontCombo::AddFace(&others[1], nullptr, RASTER_FONTTYPE, self), 1);
    EXPECT_EQ(CFontCombo::AddFace(&others[2], nullptr, DEVICE_FONTTYPE, self), 1);
    // The same face reported again (Wine does, once per character set).
    LOGFONTA again = trueType;
    again.lfCharSet = ANSI_CHARSET;
    EXPECT_EQ(CFontCombo::AddFace(&again, nullptr, TRUETYPE_FONTTYPE, self), 1);
    ASSERT_EQ(combo.GetCount(), 1);
    EXPECT_EQ(combo.GetLBText(0), "Quelmar Sans");

    LOGFONTA chosen = Face("untouched", 1);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), -1) << "nothing selected yet";
    EXPECT_STREQ(chosen.lfFaceName, "untouched");
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), 0);
    EXPECT_EQ(std::memcmp(&chosen, &trueType, sizeof chosen), 0) << "every field as the enumeration gave it";
}

TEST(FontCombo, NoTrueTypeFaceGivesAnEmptyList) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    const LOGFONTA raster = Face("Raster", FW_NORMAL);
    CFontCombo::AddFace(&raster, nullptr, RASTER_FONTTYPE, reinterpret_cast<LPARAM>(&combo));
    CFontCombo::AddFace(&raster, nullptr, TRUETYPE_FONTTYPE | DEVICE_FONTTYPE, reinterpret_cast<LPARAM>(&combo));
    EXPECT_EQ(combo.GetCount(), 0);
    combo.SetCurSel(0);
    LOGFONTA chosen = Face("untouched", 1);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), -1);
    EXPECT_STREQ(chosen.lfFaceName, "untouched");
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
    // A second fill replaces the list instead of adding to it.
    combo.RefillFonts();
    EXPECT_EQ(combo.GetCount(), count);
    // The prefix maps "Arial" to a TrueType face, which the page looks for.
    EXPECT_NE(combo.FindString(0, "arial"), CB_ERR);
}

TEST(FontCombo, ItemsAreFaceNamesOnTheWindowOrHighlightColour) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    const LOGFONTA face = Face("Quelmar Sans", FW_NORMAL);
    CFontCombo::AddFace(&face, nullptr, TRUETYPE_FONTTYPE, reinterpret_cast<LPARAM>(&combo));
    const int all = ItemCanvas::kWidth * ItemCanvas::kHeight;

    // The empty selection: the background alone, no text.
    ItemCanvas empty;
    ASSERT_TRUE(empty.Ready());
    combo.DrawItem(empty.Item(combo.m_hWnd, static_cast<UINT>(-1), 0));
    EXPECT_EQ(empty.CountOf(GetSysColor(COLOR_WINDOW)), all);
    ItemCanvas emptySelected;
    combo.DrawItem(emptySelected.Item(combo.m_hWnd, static_cast<UINT>(-1), ODS_SELECTED));
    EXPECT_EQ(emptySelected.CountOf(GetSysColor(COLOR_HIGHLIGHT)), all);

    // An item: its face name in text colour on the background.
    ItemCanvas item;
    combo.DrawItem(item.Item(combo.m_hWnd, 0, 0));
    EXPECT_LT(item.CountOf(GetSysColor(COLOR_WINDOW)), all) << "the face name is drawn";
    EXPECT_EQ(item.CountOf(kUntouched), 0) << "the whole item is filled";
}
