// Owning GDI objects: each deletes the handle it holds when it is destroyed
// or given another. The owning handle template; the kinds add only how they
// are made.
#pragma once

#include "handle.h"

#include <windows.h>

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};

template <class Handle>
using CGdiObject = COwnedHandle<Handle, DeleteGdiObject>;

class CFont : public CGdiObject<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTA& font) {
        Attach(::CreateFontIndirectA(&font));
        return m_hObject != nullptr;
    }
    // font.lfHeight in tenths of a point, made into the screen's (negative)
    // character height in logical units.
    BOOL CreatePointFontIndirect(const LOGFONTA& font);
    // The font's LOGFONT as the system keeps it; FALSE when there is no font.
    BOOL GetLogFont(LOGFONTA* font) const {
        return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), font) == sizeof(LOGFONTA);
    }
};

// A solid brush.
class CBrush : public CGdiObject<HBRUSH> {
public:
    explicit CBrush(COLORREF color) : COwnedHandle(::CreateSolidBrush(color)) {}
};

class CPen : public CGdiObject<HPEN> {
public:
    CPen(int style, int width, COLORREF color) : COwnedHandle(::CreatePen(style, width, color)) {}
};
