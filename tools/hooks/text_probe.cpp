// The probe's text exports: the shown page's static and button texts measured
// with the fonts they are drawn in, and whether a text's characters come out
// as glyphs or as the missing-glyph box.
#include "gdi.h"
#include "probe.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

enum Kind { kStatic, kPushButton, kCheckBox, kRadioButton, kGroupBox };
const char* const kKindNames[] = {"static", "push button", "check box", "radio button", "group box"};

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// What kind of text a control shows, if it shows one of its own.
std::optional<Kind> TextKind(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (lstrcmpiA(className, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;  // SS_LEFT, SS_CENTER and SS_RIGHT are 0 to 2
        if (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) return kStatic;
        return std::nullopt;
    }
    if (lstrcmpiA(className, "Button") != 0 || (style & (BS_BITMAP | BS_ICON))) return std::nullopt;
    if (style & BS_PUSHLIKE) return kPushButton;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return kPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return kCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return kRadioButton;
    case BS_GROUPBOX: return kGroupBox;
    default: return std::nullopt;
    }
}

BOOL CALLBACK CollectText(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && GetWindowTextLengthW(window) > 0 && TextKind(window)) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

// The room a control leaves its text, as the system's controls lay it out: a
// static all of its client area; a check box or radio button what is right of
// its glyph (12 px at 96 dpi, plus one), half a digit's width of gap and the
// pixel kept for the focus rectangle; a push button what is inside its raised
// edge (and the default button's frame); a group box its top line between
// margins of 7 px, less the pixel for the focus rectangle. Returns the
// DrawText format the control draws with.
UINT TextRoom(HWND control, Kind kind, HDC dc, RECT& room) {
    GetClientRect(control, &room);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (kind == kStatic) {
        const LONG type = style & SS_TYPEMASK;
        format |= (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        return format;
    }
    format |= (style & BS_MULTILINE) && kind != kGroupBox ? DT_WORDBREAK : DT_SINGLELINE;
    switch (kind) {
    case kCheckBox:
    case kRadioButton: {
        const int glyph = 12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1;
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        room.right -= glyph + digit / 2 + 1;
        break;
    }
    case kPushButton: {
        int edge = GetSystemMetrics(SM_CXEDGE);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) ++edge;
        InflateRect(&room, -edge, -edge);
        OffsetRect(&room, -room.left, -room.top);
        break;
    }
    case kGroupBox: room.right -= 2 * 7 + 1; break;
    default: break;
    }
    return format;
}

// Measures one control's text as the control lays it out. A line may lose
// the lower third of its cell (descender room and leading): the 8-unit
// statics are shorter than the body font's cell on Windows too. A whole line
// out of sight, or a line wider than the room, is text a user cannot read.
bool Fits(HWND control, Kind kind, text_probe::Misfit& misfit) {
    const std::wstring text = WindowText(control);
    CClientDC dc(control);
    CSelectObject font(dc.get(), probe::FontOf(control));
    RECT room = {};
    const UINT format = TextRoom(control, kind, dc.get(), room);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.get(), &metrics);
    RECT needed = {0, 0, room.right, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed, format);
    const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    const int lines = (needed.bottom + lineHeight - 1) / lineHeight;
    if (needed.right <= room.right && lines * lineHeight - lineHeight / 3 <= room.bottom) return true;
    char utf8[160] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc.get(), LF_FACESIZE, face);
    std::snprintf(misfit.description, sizeof misfit.description,
                  "%s %d \"%s\" in \"%s\" needs %ld px x %d lines of %d px in %ld x %ld px", kKindNames[kind],
                  GetDlgCtrlID(control), utf8, face, needed.right, lines, lineHeight, room.right, room.bottom);
    return false;
}

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

// One character at a time drawn black on white in a font into a memory
// bitmap, as its pixels.
class CharacterPicture {
public:
    explicit CharacterPicture(HFONT font) : font_(dc_.GetSafeHandle(), font) {}

    std::vector<DWORD> Draw(wchar_t character) {
        if (!bits_) return {};
        const HDC dc = dc_.GetSafeHandle();
        RECT all = {0, 0, kSize, kSize};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 2, 2, &character, 1);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits_);
        return std::vector<DWORD>(pixels, pixels + kSize * kSize);
    }
    void Face(char (&face)[LF_FACESIZE]) const { GetTextFaceA(dc_.GetSafeHandle(), LF_FACESIZE, face); }

private:
    static constexpr int kSize = 64;
    // A top-down 32-bit picture whose pixels this process reads directly.
    HBITMAP MakeBitmap() {
        BITMAPINFO info = {{sizeof info.bmiHeader, kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        return CreateDIBSection(dc_.GetSafeHandle(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    }

    COwnedHandle<HDC, DeleteDc> dc_{CreateCompatibleDC(nullptr)};
    void* bits_ = nullptr;
    CGdiObject<HBITMAP> bitmap_{MakeBitmap()};
    CSelectObject bitmapSelected_{dc_.GetSafeHandle(), bitmap_.GetSafeHandle()};
    CSelectObject font_;
};

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ShownPageTextFit(LPVOID dialog) {
    frame_probe::Block& block = probe::Answers();
    HWND page = dialog ? static_cast<HWND>(dialog) : probe::ShownPage();
    if (!page) return 0;
    std::vector<HWND> controls;
    EnumChildWindows(page, CollectText, reinterpret_cast<LPARAM>(&controls));
    block.misfitCount = 0;
    for (HWND control : controls) {
        text_probe::Misfit misfit;
        if (Fits(control, *TextKind(control), misfit)) continue;
        if (block.misfitCount < text_probe::kMaxMisfits) block.misfits[block.misfitCount] = misfit;
        ++block.misfitCount;
    }
    return static_cast<DWORD>(controls.size());
}

// Each character is drawn alone in the control's font, through the same font
// linking the control's own drawing goes through, and compared with the
// missing-glyph box (a character no font has).
extern "C" __declspec(dllexport) DWORD WINAPI ShownPageGlyphs(LPVOID controlId) {
    HWND control = probe::ShownPageControl(controlId);
    if (!control) return 0;
    text_probe::Glyphs glyphs = {};
    CharacterPicture picture(probe::FontOf(control));
    picture.Face(glyphs.face);
    const std::vector<DWORD> missing = picture.Draw(0xFFFF);
    for (wchar_t character : WindowText(control)) {
        // Blanks and the line breaks a label may set by hand draw nothing.
        if (character == L' ' || character == 0x3000 || character == L'\n' || character == L'\r') continue;
        const std::vector<DWORD> drawn = picture.Draw(character);
        ++glyphs.characters;
        if (std::all_of(drawn.begin(), drawn.end(), [](DWORD pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; })) {
            ++glyphs.blank;
        } else if (drawn == missing) {
            ++glyphs.sameAsMissing;
        }
    }
    probe::Answers().glyphs = glyphs;
    return 1;
}
