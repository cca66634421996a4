// Owning GDI handles: each object deletes the handle it holds.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA& font) {
        DeleteObject();
        m_hObject = ::CreateFontIndirectA(&font);
        return m_hObject != nullptr;
    }
    // font.lfHeight in tenths of a point, made into the screen's (negative)
    // character height in logical units.
    BOOL CreatePointFontIndirect(const LOGFONTA& font) {
        LOGFONTA scaled = font;
        int dotsPerInch = 96;
        if (HDC screen = ::GetDC(nullptr)) {
            dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
            ::ReleaseDC(nullptr, screen);
        }
        const int height = ::MulDiv(dotsPerInch, font.lfHeight, 720);
        scaled.lfHeight = height < 0 ? height : -height;
        return CreateFontIndirect(scaled);
    }
    void DeleteObject() {
        if (m_hObject) ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    // The font's LOGFONT as the system keeps it; FALSE when there is no font.
    BOOL GetLogFont(LOGFONTA* font) const {
        return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), font) == sizeof(LOGFONTA);
    }
    HFONT GetSafeHandle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

private:
    HFONT m_hObject = nullptr;
};
