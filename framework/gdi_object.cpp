#include "gdi_object.h"

#include "gdi.h"

BOOL CFont::CreatePointFontIndirect(const LOGFONTA& font) {
    LOGFONTA scaled = font;
    int dotsPerInch = 96;
    CClientDC screen(nullptr);
    if (screen.get()) dotsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    const int height = ::MulDiv(dotsPerInch, font.lfHeight, 720);
    scaled.lfHeight = height < 0 ? height : -height;
    return CreateFontIndirect(scaled);
}
