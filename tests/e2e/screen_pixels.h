// What the screen shows over a window, read back for checks on its colours.
#pragma once

#include <windows.h>

#include <functional>

// The share (0 to 1) of the pixels on the screen under window's rectangle
// that pass test; -1 when the screen cannot be read.
double ShareOfPixels(HWND window, const std::function<bool(COLORREF)>& test);

// A pixel as dark as the title band of the page pictures.
bool IsDark(COLORREF colour);

// The screen's pixel at a point of window's client area; CLR_INVALID when it
// cannot be read.
COLORREF PixelAt(HWND window, POINT client);
