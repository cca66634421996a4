#include "screen_pixels.h"

#include <algorithm>
#include <vector>

double ShareOfPixels(HWND window, const std::function<bool(COLORREF)>& test) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool read = width > 0 && height > 0 && BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};  // top-down
    std::vector<DWORD> pixels(static_cast<size_t>(std::max(width * height, 0)));
    read = read && GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read) return -1;
    const auto passing = std::count_if(pixels.begin(), pixels.end(), [&](DWORD bgra) {
        return test(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    });
    return static_cast<double>(passing) / static_cast<double>(pixels.size());
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
