// Scoped device contexts and GDI objects: each releases what it holds on
// every path out of the scope.
#pragma once

#include <windows.h>

#include "gdi_object.h"

// GetDC ... ReleaseDC: a window's client area, or the screen for no window.
class CClientDC {
public:
    explicit CClientDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~CClientDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

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
