// Scoped device contexts and GDI objects: each releases what it holds on
// every path out of the scope.
#pragma once

#include <windows.h>

// BeginPaint ... EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~CPaintDC() { ::EndPaint(window_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// A memory device context compatible with another.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatible) : dc_(::CreateCompatibleDC(compatible)) {}
    ~CMemoryDC() {
        if (dc_) ::DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the old one back.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectObject() {
        if (old_) ::SelectObject(dc_, old_);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A bitmap loaded from the program's resources, deleted with the object.
class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL LoadBitmap(HINSTANCE instance, UINT id) {
        DeleteObject();
        m_hObject = ::LoadBitmapA(instance, MAKEINTRESOURCEA(id));
        return m_hObject != nullptr;
    }
    void DeleteObject() {
        if (m_hObject) ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    SIZE GetSize() const {
        BITMAP info = {};
        if (m_hObject) ::GetObjectA(m_hObject, sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
    HBITMAP GetSafeHandle() const { return m_hObject; }

private:
    HBITMAP m_hObject = nullptr;
};
