#include "screen_pixels.h"

#include <vector>

double ShareOfPixels(HWND window, const std::function<bool(COLORREF)>& test) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return -1;

    HDC screen = GetDC(nullptr);
    if (!screen) return -1;
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    double share = -1;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            GdiFlush();
            const auto* pixels = static_cast<const DWORD*>(bits);
            long passing = 0;
            for (long i = 0; i < static_cast<long>(width) * height; ++i) {
                const DWORD bgra = pixels[i];
                if (test(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF))) ++passing;
            }
            share = static_cast<double>(passing) / (static_cast<double>(width) * height);
        }
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return share;
}

bool IsDark(COLORREF colour) { return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 240; }

COLORREF PixelAt(HWND window, POINT client) {
    POINT screen = client;
    if (!ClientToScreen(window, &screen)) return CLR_INVALID;
    HDC dc = GetDC(nullptr);
    if (!dc) return CLR_INVALID;
    const COLORREF pixel = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return pixel;
}
