// Owning GDI objects: each deletes the handle it holds when it is destroyed
// or given another. One template for the handle; the kinds add only how they
// are made.
#pragma once

#include <windows.h>

template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_hObject(handle) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Takes ownership of handle, deleting the one held before.
    void Attach(Handle handle) {
        DeleteObject();
        m_hObject = handle;
    }
    void DeleteObject() {
        if (m_hObject) ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    Handle GetSafeHandle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

protected:
    Handle m_hObject = nullptr;
};

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
    explicit CBrush(COLORREF color) : CGdiObject(::CreateSolidBrush(color)) {}
};

class CPen : public CGdiObject<HPEN> {
public:
    CPen(int style, int width, COLORREF color) : CGdiObject(::CreatePen(style, width, color)) {}
};

// A bitmap loaded from a module's resources.
class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL LoadBitmap(HINSTANCE instance, UINT id) {
        Attach(::LoadBitmapA(instance, MAKEINTRESOURCEA(id)));
        return m_hObject != nullptr;
    }
    // The bitmap's size in pixels; 0 x 0 when there is none.
    SIZE GetSize() const {
        BITMAP info = {};
        if (m_hObject) ::GetObjectA(m_hObject, sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
};
