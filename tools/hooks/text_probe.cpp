// The probe's text exports: the shown page's static and button texts measured
// with the fonts they are drawn in, and whether a text's characters come out
// as glyphs or as the missing-glyph box.
#include "probe.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// A control's DC with the control's own font selected, as it draws its text.
class ControlDc {
public:
    explicit ControlDc(HWND control) : control_(control), dc_(GetDC(control)) {
        DWORD_PTR font = 0;
        SendMessageTimeoutA(control, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font);
        if (dc_ && font) old_ = SelectObject(dc_, reinterpret_cast<HGDIOBJ>(font));
    }
    ~ControlDc() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) ReleaseDC(control_, dc_);
    }
    ControlDc(const ControlDc&) = delete;
    ControlDc& operator=(const ControlDc&) = delete;
    HDC get() const { return dc_; }
    void Face(char (&face)[LF_FACESIZE]) const { GetTextFaceA(dc_, LF_FACESIZE, face); }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// What kind of text a control shows, if it shows one of its own.
std::optional<text_probe::Kind> TextKind(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (lstrcmpiA(className, "Static") == 0) {
        const LONG kind = style & SS_TYPEMASK;
        if (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE ||
            kind == SS_LEFTNOWORDWRAP) {
            return text_probe::kStatic;
        }
        return std::nullopt;
    }
    if (lstrcmpiA(className, "Button") != 0 || (style & (BS_BITMAP | BS_ICON))) return std::nullopt;
    if (style & BS_PUSHLIKE) return text_probe::kPushButton;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return text_probe::kPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return text_probe::kCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return text_probe::kRadioButton;
    case BS_GROUPBOX: return text_probe::kGroupBox;
    default: return std::nullopt;
    }
}

struct Measured {
    HWND control;
    text_probe::Kind kind;
};

BOOL CALLBACK CollectText(HWND window, LPARAM param) {
    if (!IsWindowVisible(window) || GetWindowTextLengthW(window) == 0) return TRUE;
    if (const auto kind = TextKind(window)) reinterpret_cast<std::vector<Measured>*>(param)->push_back({window, *kind});
    return TRUE;
}

void CopyUtf8(const std::wstring& text, char* out, int size) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out, size - 1,
                                      nullptr, nullptr);
    out[n > 0 ? n : 0] = '\0';
}

// The room a control leaves its text, as the system's controls lay it out: a
// static all of its client area; a check box or radio button what is right of
// its glyph (12 px at 96 dpi, plus one), half a digit's width of gap and the
// pixel kept for the focus rectangle; a push button what is inside its raised
// edge (and the default button's frame); a group box its top line between
// margins of 7 px, less the pixel for the focus rectangle. Returns the
// DrawText format the control draws with.
UINT TextRoom(HWND control, text_probe::Kind kind, HDC dc, RECT& room) {
    GetClientRect(control, &room);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (kind == text_probe::kStatic) {
        const LONG type = style & SS_TYPEMASK;
        format |= (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        return format;
    }
    format |= (style & BS_MULTILINE) && kind != text_probe::kGroupBox ? DT_WORDBREAK : DT_SINGLELINE;
    switch (kind) {
    case text_probe::kCheckBox:
    case text_probe::kRadioButton: {
        const int glyph = 12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1;
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        room.right -= glyph + digit / 2 + 1;
        break;
    }
    case text_probe::kPushButton: {
        int edge = GetSystemMetrics(SM_CXEDGE);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) ++edge;
        InflateRect(&room, -edge, -edge);
        OffsetRect(&room, -room.left, -room.top);
        break;
    }
    case text_probe::kGroupBox: room.right -= 2 * 7 + 1; break;
    default: break;
    }
    return format;
}

// Measures one control's text as the control lays it out. A line may lose
// the lower third of its cell (descender room and leading): the 8-unit
// statics are shorter than the body font's cell on Windows too. A whole line
// out of sight, or a line wider than the room, is text a user cannot read.
bool Fits(HWND control, text_probe::Kind kind, text_probe::Misfit& misfit) {
    const std::wstring text = probe::WindowText(control);
    ControlDc dc(control);
    RECT room = {};
    const UINT format = TextRoom(control, kind, dc.get(), room);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.get(), &metrics);
    RECT needed = {0, 0, room.right, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed, format);
    const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    const int lines = (needed.bottom + lineHeight - 1) / lineHeight;
    const bool fits = needed.right <= room.right && lines * lineHeight - lineHeight / 3 <= room.bottom;
    if (fits) return true;
    RECT client = {};
    GetClientRect(control, &client);
    misfit = {};
    misfit.id = GetDlgCtrlID(control);
    misfit.kind = kind;
    misfit.neededWidth = needed.right;
    misfit.neededLines = lines;
    misfit.lineHeight = lineHeight;
    misfit.width = room.right;
    misfit.height = room.bottom;
    misfit.controlWidth = client.right;
    CopyUtf8(text, misfit.text, sizeof misfit.text);
    dc.Face(misfit.face);
    return false;
}

// One character drawn black on white into a memory bitmap, as its pixels.
class CharacterPicture {
public:
    explicit CharacterPicture(HDC reference) : dc_(CreateCompatibleDC(reference)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kSize;
        info.bmiHeader.biHeight = -kSize;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (bitmap_) oldBitmap_ = SelectObject(dc_, bitmap_);
    }
    ~CharacterPicture() {
        if (oldFont_) SelectObject(dc_, oldFont_);
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    CharacterPicture(const CharacterPicture&) = delete;
    CharacterPicture& operator=(const CharacterPicture&) = delete;

    void UseFont(HGDIOBJ font) { oldFont_ = SelectObject(dc_, font); }
    std::vector<DWORD> Draw(wchar_t character) {
        if (!bits_) return {};
        RECT all = {0, 0, kSize, kSize};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkMode(dc_, TRANSPARENT);
        TextOutW(dc_, 2, 2, &character, 1);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits_);
        return std::vector<DWORD>(pixels, pixels + kSize * kSize);
    }
    static bool Blank(const std::vector<DWORD>& picture) {
        for (DWORD pixel : picture) {
            if ((pixel & 0xFFFFFF) != 0xFFFFFF) return false;
        }
        return true;
    }
    void Face(char (&face)[LF_FACESIZE]) const { GetTextFaceA(dc_, LF_FACESIZE, face); }

private:
    static constexpr int kSize = 64;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ShownPageTextFit(LPVOID) {
    frame_probe::Block& block = probe::Answers();
    HWND page = probe::ShownPage();
    if (!page) return 0;
    std::vector<Measured> controls;
    EnumChildWindows(page, CollectText, reinterpret_cast<LPARAM>(&controls));
    block.misfitCount = 0;
    for (const Measured& measured : controls) {
        text_probe::Misfit misfit;
        if (Fits(measured.control, measured.kind, misfit)) continue;
        if (block.misfitCount < text_probe::kMaxMisfits) block.misfits[block.misfitCount] = misfit;
        ++block.misfitCount;
    }
    return static_cast<DWORD>(controls.size());
}

// Each character is drawn alone in the control's font, through the same font
// linking the control's own drawing goes through, and compared with the
// missing-glyph box (a character no font has).
extern "C" __declspec(dllexport) DWORD WINAPI ShownPageGlyphs(LPVOID controlId) {
    HWND page = probe::ShownPage();
    HWND control = page ? GetDlgItem(page, static_cast<int>(reinterpret_cast<INT_PTR>(controlId))) : nullptr;
    if (!control) return 0;
    const std::wstring text = probe::WindowText(control);
    DWORD_PTR font = 0;
    SendMessageTimeoutA(control, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font);

    HDC screen = GetDC(nullptr);
    text_probe::Glyphs glyphs = {};
    {
        CharacterPicture picture(screen);
        if (font) picture.UseFont(reinterpret_cast<HGDIOBJ>(font));
        picture.Face(glyphs.face);
        const std::vector<DWORD> missing = picture.Draw(0xFFFF);
        for (wchar_t character : text) {
            // Blanks and the line breaks a label may set by hand draw nothing.
            if (character == L' ' || character == 0x3000 || character == L'\n' || character == L'\r') continue;
            const std::vector<DWORD> drawn = picture.Draw(character);
            ++glyphs.characters;
            if (CharacterPicture::Blank(drawn)) {
                ++glyphs.blank;
            } else if (drawn == missing) {
                ++glyphs.sameAsMissing;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    probe::Answers().glyphs = glyphs;
    return 1;
}
