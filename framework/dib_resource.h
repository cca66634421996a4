// A bitmap resource read where it lies in the module's mapped resources:
// showing it makes no GDI bitmap and copies no pixels first, which a page
// repainting its picture, and the start, would otherwise pay for each time.
#pragma once

#include <windows.h>

class CDibResource {
public:
    // FALSE when the module has no such bitmap or its data is not a whole
    // uncompressed bitmap; then there is nothing to draw.
    BOOL Load(HINSTANCE instance, UINT id);
    // The picture's size in pixels; 0 x 0 when none is loaded.
    SIZE GetSize() const;
    // Draws the picture one to one with its top left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;

private:
    const BITMAPINFO* m_info = nullptr;
    const void* m_bits = nullptr;
};
