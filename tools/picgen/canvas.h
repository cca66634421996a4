// A palette-indexed picture in memory and the few drawing primitives that the
// pictures are made of. Coordinates are pixels, (0, 0) at the top left; whatever
// falls outside the canvas is clipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace picgen {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

class Canvas {
public:
    // A canvas filled with palette entry background.
    Canvas(int width, int height, std::vector<Rgb> palette, std::uint8_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Rgb>& Palette() const { return palette_; }
    std::uint8_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    void Set(int x, int y, std::uint8_t colour);
    // Rectangles are half-open: left <= x < right, top <= y < bottom.
    void FillRect(int left, int top, int right, int bottom, std::uint8_t colour);
    void FrameRect(int left, int top, int right, int bottom, std::uint8_t colour, int thickness = 1);
    // Both end points are drawn.
    void Line(int x0, int y0, int x1, int y1, std::uint8_t colour);
    // A line drawn as `on` pixels set and `off` pixels left, repeated from (x0, y0).
    void DottedLine(int x0, int y0, int x1, int y1, std::uint8_t colour, int on = 2, int off = 2);
    void Circle(int cx, int cy, int radius, std::uint8_t colour, int thickness = 1);
    void Disc(int cx, int cy, int radius, std::uint8_t colour);
    // A digit 0 to 9 from a 5 x 7 pixel font, each font pixel drawn scale x scale,
    // with its top left corner at (x, y).
    void Digit(int x, int y, int digit, std::uint8_t colour, int scale = 1);
    static int DigitWidth(int scale = 1) { return 5 * scale; }
    static int DigitHeight(int scale = 1) { return 7 * scale; }
    // Replaces every pixel p with map[p] (a map shorter than the palette leaves the rest).
    void Remap(const std::vector<std::uint8_t>& map);

private:
    int width_;
    int height_;
    std::vector<Rgb> palette_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace picgen
