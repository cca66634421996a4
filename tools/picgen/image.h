// A true-colour drawing surface with anti-aliased shapes. The pictures are
// drawn here and reduced to a palette only when they are written.
#pragma once

#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace picgen {

struct Point {
    double x;
    double y;
};

// Mixes a toward b: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

class Image {
public:
    Image(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour);
    // Lays colour over the pixel with the given coverage (0 to 1).
    void Blend(int x, int y, Rgb colour, double coverage);

    void FillRect(int left, int top, int right, int bottom, Rgb colour);
    // From `top` colour at the top edge to `bottom` colour at the bottom edge.
    void VerticalGradient(int left, int top, int right, int bottom, Rgb top_colour, Rgb bottom_colour);
    void RoundRect(double left, double top, double right, double bottom, double radius, Rgb colour);
    void RoundRectGradient(double left, double top, double right, double bottom, double radius, Rgb top_colour,
                           Rgb bottom_colour);
    // The outline of a rounded rectangle, thickness pixels wide, inside its box.
    void RoundFrame(double left, double top, double right, double bottom, double radius, double thickness,
                    Rgb colour);
    void Disc(double cx, double cy, double radius, Rgb colour);
    void Ring(double cx, double cy, double radius, double thickness, Rgb colour);
    void EllipseRing(double cx, double cy, double rx, double ry, double thickness, Rgb colour);
    void Line(double x0, double y0, double x1, double y1, double width, Rgb colour);
    // Dashes of `on` pixels with gaps of `off`.
    void DashedLine(double x0, double y0, double x1, double y1, double width, double on, double off, Rgb colour);
    void Polygon(const std::vector<Point>& points, Rgb colour);
    // Copies another image with its top left corner at (x, y).
    void Paste(const Image& other, int x, int y);
    // Moves every pixel toward a light grey, as a switched-off feature looks.
    void Fade();

    // Paints every pixel of the box [left, right) x [top, bottom) that `inside`
    // covers, with 4 x 4 samples a pixel for smooth edges; shade gives the colour.
    template <class Inside, class Shade>
    void Paint(double left, double top, double right, double bottom, Inside inside, Shade shade) {
        const int x0 = std::max(0, static_cast<int>(std::floor(left)));
        const int y0 = std::max(0, static_cast<int>(std::floor(top)));
        const int x1 = std::min(width_, static_cast<int>(std::ceil(right)) + 1);
        const int y1 = std::min(height_, static_cast<int>(std::ceil(bottom)) + 1);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy) {
                    for (int sx = 0; sx < 4; ++sx) {
                        if (inside(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0)) ++hits;
                    }
                }
                if (hits) Blend(x, y, shade(x + 0.5, y + 0.5), hits / 16.0);
            }
        }
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// The palette-indexed form of an image with at most `colours` entries (16 or
// 256), padded to exactly that many. Colours are kept exactly while they fit,
// the most frequent ones always; the rest are reduced by median cut.
Canvas Quantize(const Image& image, int colours);

}  // namespace picgen
