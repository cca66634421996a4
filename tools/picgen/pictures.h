// The table of every picture that the resource script takes from the generator,
// with one drawing function each. Until the proper art arrives these draw
// deliberate placeholders at the right ids, sizes and bit depths.
#pragma once

#include "canvas.h"
#include "image_files.h"

#include <cstdint>
#include <vector>

namespace picgen {

struct Picture {
    int id;                   // the bitmap's resource id (resource.h)
    const char* file;         // its file name in the output folder, as Ravlen.rc names it
    int width;                // pixels
    int height;
    int bitsPerPixel;         // 4 or 8
    Compression compression;  // None or Rle8
    Canvas (*draw)();
};

// An icon, or a cursor when it has a hot spot.
struct Icon {
    int id;
    const char* file;
    int size;                 // width and height in pixels; 16 colours
    std::uint8_t transparent; // the palette entry that the AND mask leaves out
    Canvas (*draw)();
    bool cursor = false;
    int hotX = 0;             // a cursor's hot spot
    int hotY = 0;
};

const std::vector<Picture>& Pictures();
const std::vector<Icon>& Icons();

}  // namespace picgen
