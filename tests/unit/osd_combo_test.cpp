// The On-Screen Display page's combos on real combo boxes of this process: the
// size list filled from dialog data, whole entries only, and the colour and
// face pickers' lists, their selections and the pixels their items are drawn
// with.
#include "color_combo.h"
#include "dlg_init.h"
#include "font_combo.h"
#include "gdi.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr UINT kNone = static_cast<UINT>(-1);  // the empty selection's item id
constexpr DWORD kPicker = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS;

// A hidden parent with one combo box of the template's style, less WS_VISIBLE.
class ComboWindows {
public:
    explicit ComboWindows(DWORD style = kPicker)
        : parent_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr)),
          combo_(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VSCROLL | WS_TABSTOP | style, 0, 0, 150, 150,
                                 parent_, reinterpret_cast<HMENU>(INT_PTR{IDC_OSD_SIZE_COMBO}), nullptr, nullptr)) {}
    ~ComboWindows() { DestroyWindow(parent_); }
    HWND parent() const { return parent_; }
    HWND combo() const { return combo_; }

    std::vector<std::string> Items() const {
        std::vector<std::string> items(static_cast<size_t>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)));
        for (size_t i = 0; i < items.size(); ++i) {
            char text[64] = {};
            SendMessageA(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items[i] = text;
        }
        return items;
    }

private:
    HWND parent_;
    HWND combo_;
};

// Dialog initialisation data as the resource compiler lays it out.
class Bytes {
public:
    Bytes& Word(WORD value) { return Raw(&value, sizeof value); }
    Bytes& Dword(DWORD value) { return Raw(&value, sizeof value); }
    Bytes& Entry(WORD control, WORD message, const std::string& text) {
        Word(control).Word(message).Dword(static_cast<DWORD>(text.size() + 1));
        return Raw(text.c_str(), text.size() + 1);
    }
    Bytes& Raw(const void* data, size_t size) {
        const auto* bytes = static_cast<const BYTE*>(data);
        data_.insert(data_.end(), bytes, bytes + size);
        return *this;
    }
    const BYTE* data() const { return data_.data(); }
    DWORD size() const { return static_cast<DWORD>(data_.size()); }

private:
    std::vector<BYTE> data_;
};

// A 40 x 20 picture filled with kUntouched that one item is drawn into.
class ItemCanvas {
public:
    static constexpr int kWidth = 40, kHeight = 20;

    template <typename Combo>
    ItemCanvas(Combo& combo, UINT itemId, UINT state) {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void** bits = reinterpret_cast<void**>(&bits_);
        bitmap_.Attach(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, bits, nullptr, 0));
        const CSelectObject selected(dc_.get(), bitmap_.GetSafeHandle());
        for (int i = 0; bits_ && i < kWidth * kHeight; ++i) bits_[i] = 0x010203;  // kUntouched as BGRA
        DRAWITEMSTRUCT item = {ODT_COMBOBOX, 0,   itemId, ODA_DRAWENTIRE, state, combo.m_hWnd,
                               dc_.get(),    {0, 0, kWidth, kHeight}, 0};
        combo.DrawItem(item);
        GdiFlush();
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
    std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&DeleteDC)> dc_{CreateCompatibleDC(nullptr), &DeleteDC};
    CGdiObject<HBITMAP> bitmap_;
    DWORD* bits_ = nullptr;  // the picture's pixels, which outlive its selection
};

LOGFONTA Face(const char* name, LONG weight) {
    LOGFONTA font = {-16, 0, 0, 0, weight, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, 0, 0, {}};
    std::strcpy(font.lfFaceName, name);
    return font;
}

}  // namespace

// Each row's data is added to an emptied list: what is whole before the end
// marker or the end of the data gets in, nothing else. The page's own data
// is found by the system's lookup.
TEST(SizeList, AddsWholeEntriesInOrderUpToTheEndAndNothingMalformed) {
    constexpr WORD kCombo = IDC_OSD_SIZE_COMBO;
    Bytes whole;
    whole.Entry(kCombo, 0x0403, "12").Entry(kCombo, 0x0403, "14");
    Bytes ended = whole;
    ended.Entry(kCombo, 0x0403, "72").Word(0).Entry(kCombo, 0x0403, "after the end");
    // A length past the end, a text without its zero, an unknown message.
    Bytes bad;
    bad.Word(kCombo).Word(0x0403).Dword(3).Raw("abc", 3).Entry(kCombo, 0x1234, "other message");
    bad.Entry(kCombo, 0x0403, "ok").Word(kCombo).Word(0x0403).Dword(0xFFFFFFF0u).Raw("x", 2);
    const struct {
        const char* what;
        const BYTE* data;
        DWORD size;
        std::vector<std::string> items;
    } rows[] = {
        {"up to the end marker", ended.data(), ended.size(), {"12", "14", "72"}},
        {"cut inside the second text", whole.data(), whole.size() - 2, {"12"}},
        {"cut inside the second header", whole.data(), 11, {"12"}},
        {"malformed entries", bad.data(), bad.size(), {"ok"}},
        {"no data", nullptr, 100, {}},
    };
    ComboWindows windows(CBS_DROPDOWNLIST | CBS_SORT);
    ASSERT_NE(windows.combo(), nullptr);
    for (const auto& row : rows) {
        SendMessageA(windows.combo(), CB_RESETCONTENT, 0, 0);
        ExecuteDlgInitData(windows.parent(), row.data, row.size);
        EXPECT_EQ(windows.Items(), row.items) << row.what;
    }
    SendMessageA(windows.combo(), CB_RESETCONTENT, 0, 0);
    ExecuteDlgInit(windows.parent(), IDD_OSD);
    EXPECT_EQ(windows.Items(), (std::vector<std::string>{"12", "14", "18", "26", "28", "36", "48", "72"}));
}

TEST(ColorCombo, ListsSixteenSwatchesAndLeavesTheColourAloneOutsideThem) {
    ComboWindows windows;
    CColorCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(windows.Items(), std::vector<std::string>(16));
    // The 16 standard colours as COLORREFs (0x00BBGGRR), in the list's order.
    const std::vector<COLORREF> standard = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                            0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                            0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    EXPECT_EQ(combo.Palette, standard);
    const struct {
        int index, selected;
        COLORREF colour;
    } rows[] = {{-2, 0, RGB(0, 0, 0)},  // as subclassing leaves it: the first
                {9, 9, 0x0000FF}, {16, -1, kUntouched}, {-1, -1, kUntouched}, {1000, -1, kUntouched}};
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

// A TrueType face alone is listed, once, with its whole LOGFONT; an item is
// its face name on the window or highlight colour.
TEST(FontCombo, ListsTrueTypeFacesAloneOnceAndDrawsTheirNames) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    EXPECT_EQ(combo.GetCount(), 0) << "subclassing alone does not fill the list";
    const LPARAM self = reinterpret_cast<LPARAM>(&combo);
    const LOGFONTA trueType = Face("Quelmar Sans", FW_BOLD);
    const LOGFONTA other = Face("Other", FW_NORMAL);
    LOGFONTA chosen = Face("untouched", 1);
    for (DWORD type : {DWORD{TRUETYPE_FONTTYPE | DEVICE_FONTTYPE}, DWORD{RASTER_FONTTYPE}, DWORD{DEVICE_FONTTYPE}}) {
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
    EXPECT_EQ(windows.Items(), std::vector<std::string>{"Quelmar Sans"});
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), -1) << "nothing selected yet";
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetSelectedLogFont(chosen), 0);
    EXPECT_EQ(std::memcmp(&chosen, &trueType, sizeof chosen), 0) << "every field as the enumeration gave it";

    // The empty selection: the background alone, no text.
    const auto [window, all] = ItemCanvas(combo, kNone, 0).Count(GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(window, all);
    EXPECT_EQ(ItemCanvas(combo, kNone, ODS_SELECTED).Count(GetSysColor(COLOR_HIGHLIGHT)).first, all);
    // An item: its face name in text colour on the background, the whole item filled.
    const ItemCanvas item(combo, 0, 0);
    EXPECT_LT(item.Count(GetSysColor(COLOR_WINDOW)).first, all) << "the face name is drawn";
    EXPECT_EQ(item.Count(kUntouched).first, 0) << "the whole item is filled";
}

TEST(FontCombo, RefillListsTheInstalledFacesOnceEach) {
    ComboWindows windows;
    CFontCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(windows.combo()));
    combo.RefillFonts();
    const std::vector<std::string> faces = windows.Items();
    ASSERT_FALSE(faces.empty()) << "the prefix has TrueType faces";
    EXPECT_EQ(std::set<std::string>(faces.begin(), faces.end()).size(), faces.size()) << "a face listed twice";
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
        combo.SetCurSel(i);
        LOGFONTA font = {};
        ASSERT_EQ(combo.GetSelectedLogFont(font), i);
        EXPECT_EQ(faces[static_cast<size_t>(i)], font.lfFaceName) << "each item carries its own face's LOGFONT";
    }
    combo.RefillFonts();
    EXPECT_EQ(windows.Items(), faces) << "a second fill replaces the list";
    EXPECT_NE(combo.FindString(0, "arial"), CB_ERR) << "the prefix maps Arial to a TrueType face the page looks for";
}
