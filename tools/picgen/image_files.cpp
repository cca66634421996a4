#include "image_files.h"

#include <fstream>
#include <stdexcept>
#include <utility>

namespace picgen {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

class Bytes {
public:
    void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void U16(std::uint32_t value) {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Append(const std::vector<std::uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    size_t Size() const { return bytes_.size(); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

void CheckPixels(const Canvas& canvas, int bitsPerPixel) {
    const size_t limit = size_t{1} << bitsPerPixel;
    if (canvas.Palette().size() > limit) throw std::invalid_argument("palette too large for the bit depth");
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) >= canvas.Palette().size()) throw std::invalid_argument("pixel outside the palette");
        }
    }
}

// Rows are padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// Uncompressed rows, bottom-up.
std::vector<std::uint8_t> PackRows(const Canvas& canvas, int bitsPerPixel) {
    const std::uint32_t stride = RowBytes(canvas.Width(), bitsPerPixel);
    std::vector<std::uint8_t> rows(static_cast<size_t>(stride) * canvas.Height(), 0);
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint8_t* row = rows.data() + static_cast<size_t>(canvas.Height() - 1 - y) * stride;
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint8_t pixel = canvas.At(x, y);
            if (bitsPerPixel == 8) {
                row[x] = pixel;
            } else {
                row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(pixel << 4) : pixel;
            }
        }
    }
    return rows;
}

void AppendPalette(Bytes& out, const std::vector<Rgb>& palette, size_t entries) {
    for (size_t i = 0; i < entries; ++i) {
        const Rgb colour = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
        out.U8(colour.blue);
        out.U8(colour.green);
        out.U8(colour.red);
        out.U8(0);
    }
}

void AppendInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t compression,
                      std::uint32_t imageSize, std::uint32_t coloursUsed) {
    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);  // planes
    out.U16(static_cast<std::uint32_t>(bitsPerPixel));
    out.U32(compression);
    out.U32(imageSize);
    out.U32(kPixelsPerMetre);
    out.U32(kPixelsPerMetre);
    out.U32(coloursUsed);
    out.U32(0);  // all colours important
}

}  // namespace

std::vector<std::uint8_t> EncodeRle8(const Canvas& canvas) {
    std::vector<std::uint8_t> out;
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        const int width = canvas.Width();
        int x = 0;
        while (x < width) {
            // A run of equal pixels goes out in encoded mode.
            int run = 1;
            while (x + run < width && run < 255 && canvas.At(x + run, y) == canvas.At(x, y)) ++run;
            if (run >= 2) {
                out.push_back(static_cast<std::uint8_t>(run));
                out.push_back(canvas.At(x, y));
                x += run;
                continue;
            }
            // Otherwise gather differing pixels up to the next run of three or more.
            int literal = 1;
            while (x + literal < width && literal < 255) {
                const int at = x + literal;
                if (at + 2 < width && canvas.At(at, y) == canvas.At(at + 1, y) &&
                    canvas.At(at, y) == canvas.At(at + 2, y)) {
                    break;
                }
                ++literal;
            }
            if (literal < 3) {
                // Absolute mode needs at least three pixels; shorter ones go as runs of one.
                for (int i = 0; i < literal; ++i) {
                    out.push_back(1);
                    out.push_back(canvas.At(x + i, y));
                }
            } else {
                out.push_back(0);
                out.push_back(static_cast<std::uint8_t>(literal));
                for (int i = 0; i < literal; ++i) out.push_back(canvas.At(x + i, y));
                if (literal % 2 != 0) out.push_back(0);  // absolute runs end on a word boundary
            }
            x += literal;
        }
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0);  // end of bitmap after the top row, else end of line
    }
    return out;
}

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas, int bitsPerPixel, Compression compression) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8) throw std::invalid_argument("only 4 and 8 bits per pixel");
    if (compression == Compression::Rle8 && bitsPerPixel != 8) throw std::invalid_argument("RLE8 needs 8 bits");
    CheckPixels(canvas, bitsPerPixel);

    const std::vector<std::uint8_t> pixels =
        compression == Compression::Rle8 ? EncodeRle8(canvas) : PackRows(canvas, bitsPerPixel);
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(canvas.Palette().size()) * 4;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;

    Bytes out;
    out.U8('B');
    out.U8('M');
    out.U32(offset + static_cast<std::uint32_t>(pixels.size()));
    out.U16(0);
    out.U16(0);
    out.U32(offset);
    AppendInfoHeader(out, canvas.Width(), canvas.Height(), bitsPerPixel,
                     compression == Compression::Rle8 ? kBiRle8 : kBiRgb, static_cast<std::uint32_t>(pixels.size()),
                     static_cast<std::uint32_t>(canvas.Palette().size()));
    AppendPalette(out, canvas.Palette(), canvas.Palette().size());
    out.Append(pixels);
    return out.Take();
}

namespace {

// ICO and CUR files differ only in the directory's type and in what the entry
// keeps in its planes and bit count fields (the hot spot, for a cursor).
std::vector<std::uint8_t> EncodeIconOrCursor(const Canvas& canvas, std::uint8_t transparent, bool cursor, int hotX,
                                             int hotY) {
    if (canvas.Width() > 256 || canvas.Height() > 256) throw std::invalid_argument("icon larger than 256");
    CheckPixels(canvas, 4);

    // The colour image with transparent pixels black, and the AND mask (1 = transparent).
    Canvas colour = canvas;
    std::vector<std::uint8_t> map(canvas.Palette().size());
    for (size_t i = 0; i < map.size(); ++i) map[i] = static_cast<std::uint8_t>(i);
    map[transparent] = 0;
    colour.Remap(map);
    const std::vector<std::uint8_t> xorBits = PackRows(colour, 4);

    const std::uint32_t maskStride = RowBytes(canvas.Width(), 1);
    std::vector<std::uint8_t> andBits(static_cast<size_t>(maskStride) * canvas.Height(), 0);
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint8_t* row = andBits.data() + static_cast<size_t>(canvas.Height() - 1 - y) * maskStride;
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) == transparent) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }

    const std::uint32_t imageBytes =
        kInfoHeaderSize + 16 * 4 + static_cast<std::uint32_t>(xorBits.size() + andBits.size());
    Bytes out;
    out.U16(0);  // ICONDIR: reserved, type 1 (icon) or 2 (cursor), one image
    out.U16(cursor ? 2 : 1);
    out.U16(1);
    out.U8(canvas.Width() == 256 ? 0 : canvas.Width());  // ICONDIRENTRY
    out.U8(canvas.Height() == 256 ? 0 : canvas.Height());
    out.U8(16);  // colours
    out.U8(0);
    out.U16(cursor ? static_cast<std::uint32_t>(hotX) : 1);  // planes, or the hot spot
    out.U16(cursor ? static_cast<std::uint32_t>(hotY) : 4);  // bits per pixel, or the hot spot
    out.U32(imageBytes);
    out.U32(6 + 16);
    // The image: a DIB whose height counts the colour image and the mask.
    AppendInfoHeader(out, canvas.Width(), canvas.Height() * 2, 4, kBiRgb,
                     static_cast<std::uint32_t>(xorBits.size() + andBits.size()), 0);
    AppendPalette(out, canvas.Palette(), 16);
    out.Append(xorBits);
    out.Append(andBits);
    return out.Take();
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon(const Canvas& canvas, std::uint8_t transparent) {
    return EncodeIconOrCursor(canvas, transparent, false, 0, 0);
}

std::vector<std::uint8_t> EncodeCursor(const Canvas& canvas, std::uint8_t transparent, int hotX, int hotY) {
    if (hotX < 0 || hotY < 0 || hotX >= canvas.Width() || hotY >= canvas.Height()) {
        throw std::invalid_argument("hot spot outside the cursor");
    }
    return EncodeIconOrCursor(canvas, transparent, true, hotX, hotY);
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace picgen
