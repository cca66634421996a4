#include "label_print.h"

#include "gdi.h"
#include "resource.h"
#include "win_app.h"

#include <cstring>

namespace {

constexpr int kStripLeft = 119;
constexpr int kStripRight = 1840;
constexpr int kStripTop = -19;
constexpr int kStripBottom = -295;
constexpr int kFoldY = -157;  // the strip's middle
constexpr int kPictureTop = -50;

}  // namespace

RECT label::KeyBox(int key) {
    RECT box = {};
    ::SetRect(&box, 160 + 250 * key, -60, 395 + 255 * key, -134);
    return box;
}

void DrawInstructionPicture(HDC printer) {
    // The printable area in 0.1 mm.
    const int areaWidth = 10 * ::GetDeviceCaps(printer, HORZSIZE);
    const int areaHeight = 10 * ::GetDeviceCaps(printer, VERTSIZE);

    HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(IDB_INSTRUCTIONS), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found) return;
    HGLOBAL loaded = ::LoadResource(instance, found);
    const auto* info = loaded ? static_cast<const BITMAPINFO*>(::LockResource(loaded)) : nullptr;
    const DWORD size = ::SizeofResource(instance, found);
    if (!info || size < sizeof(BITMAPINFOHEADER)) return;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const int w = header.biWidth;
    const int h = header.biHeight;
    if (w <= 0 || h <= 0 || header.biBitCount > 8) return;  // only palette pictures carry a table

    // The larger scale at which the whole picture fits, keeping its proportions.
    const double scale = h * areaWidth < w * areaHeight ? static_cast<double>(areaWidth) / w
                                                        : static_cast<double>(areaHeight) / h;
    const DWORD tableBytes = (DWORD{1} << header.biBitCount) * sizeof(RGBQUAD);
    if (header.biSize + tableBytes >= size) return;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info) + header.biSize + tableBytes;
    ::StretchDIBits(printer, 0, kPictureTop, static_cast<int>(w * scale), -static_cast<int>(h * scale), 0, 0, w, h,
                    bits, info, DIB_RGB_COLORS, SRCCOPY);
}

void DrawLabelStrip(HDC dc, int style, HFONT font, const KeyAssignment (&keys)[kKeyCount]) {
    const bool whiteOnBlack = style == label::kWhiteOnBlack;
    const COLORREF ink = whiteOnBlack ? RGB(255, 255, 255) : RGB(0, 0, 0);
    const COLORREF paper = whiteOnBlack ? RGB(0, 0, 0) : RGB(255, 255, 255);

    CSelectObject selectFont(dc, font);
    ::SetTextColor(dc, ink);
    CSelectObject selectBrush(dc, ::GetStockObject(whiteOnBlack ? BLACK_BRUSH : WHITE_BRUSH));
    // The background mode stays opaque: text lines and the dash gaps take the strip's colour.
    ::SetBkColor(dc, paper);
    CSelectObject selectPen(dc, ::GetStockObject(whiteOnBlack ? WHITE_PEN : BLACK_PEN));

    ::SetPolyFillMode(dc, WINDING);
    const POINT strip[] = {{kStripLeft, kStripTop},
                           {kStripLeft, kStripBottom},
                           {kStripRight, kStripBottom},
                           {kStripRight, kStripTop},
                           {kStripLeft, kStripTop}};
    ::Polygon(dc, strip, 5);

    CPen dashed(PS_DASH, 1, ink);
    {
        CSelectObject selectDashed(dc, dashed.GetSafeHandle());
        ::MoveToEx(dc, kStripLeft, kFoldY, nullptr);
        ::LineTo(dc, kStripRight, kFoldY);
    }

    for (int k = 0; k < kKeyCount; ++k) {
        RECT box = label::KeyBox(k);
        char name[MAX_PATH] = {};
        ::lstrcpynA(name, ShownKeyName(keys[k]), sizeof name);
        if (name[0] == '\0') continue;  // a key without a name leaves its box blank
        // As typed: an "&" is a letter of the name, not a mnemonic.
        ::DrawTextA(dc, name, -1, &box, DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
    }
}
