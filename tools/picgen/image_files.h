// Writing canvases as the Windows picture files that the resource compiler takes.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace picgen {

enum class Compression { None, Rle8 };

// The bytes of a BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, the canvas's palette
// (biClrUsed = its size) and the rows bottom-up. bitsPerPixel is 4 or 8; Rle8
// needs 8 bits per pixel.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas, int bitsPerPixel, Compression compression);

// The rows of an 8-bit canvas in BI_RLE8 form, bottom-up, ending with end-of-bitmap.
std::vector<std::uint8_t> EncodeRle8(const Canvas& canvas);

// The bytes of an ICO file with one 16-colour image of the canvas's size (at most
// 256 x 256). Pixels of palette entry `transparent` are left out by the AND mask;
// the canvas's palette must have at most 16 entries.
std::vector<std::uint8_t> EncodeIcon(const Canvas& canvas, std::uint8_t transparent);

// The same as a CUR file, with the cursor's hot spot (in the image's pixels).
std::vector<std::uint8_t> EncodeCursor(const Canvas& canvas, std::uint8_t transparent, int hotX, int hotY);

// Writes bytes to path; throws std::runtime_error when it cannot.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace picgen
