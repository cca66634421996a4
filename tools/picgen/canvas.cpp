#include "canvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace picgen {

Canvas::Canvas(int width, int height, std::vector<Rgb> palette, std::uint8_t background)
    : width_(width), height_(height), palette_(std::move(palette)) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("canvas size must be positive");
    if (palette_.empty() || palette_.size() > 256) throw std::invalid_argument("palette needs 1 to 256 entries");
    if (background >= palette_.size()) throw std::invalid_argument("background is not in the palette");
    pixels_.assign(static_cast<size_t>(width) * height, background);
}

void Canvas::Set(int x, int y, std::uint8_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    if (colour >= palette_.size()) throw std::invalid_argument("colour is not in the palette");
    pixels_[static_cast<size_t>(y) * width_ + x] = colour;
}

void Canvas::FillRect(int left, int top, int right, int bottom, std::uint8_t colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) Set(x, y, colour);
    }
}

void Canvas::FrameRect(int left, int top, int right, int bottom, std::uint8_t colour, int thickness) {
    FillRect(left, top, right, top + thickness, colour);
    FillRect(left, bottom - thickness, right, bottom, colour);
    FillRect(left, top, left + thickness, bottom, colour);
    FillRect(right - thickness, top, right, bottom, colour);
}

namespace {

// Calls plot(x, y, step) for each point of the Bresenham line, step counting from 0.
template <typename Plot>
void WalkLine(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int step = 0;; ++step) {
        plot(x0, y0, step);
        if (x0 == x1 && y0 == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

}  // namespace

void Canvas::Line(int x0, int y0, int x1, int y1, std::uint8_t colour) {
    WalkLine(x0, y0, x1, y1, [&](int x, int y, int) { Set(x, y, colour); });
}

void Canvas::DottedLine(int x0, int y0, int x1, int y1, std::uint8_t colour, int on, int off) {
    const int period = std::max(on + off, 1);
    WalkLine(x0, y0, x1, y1, [&](int x, int y, int step) {
        if (step % period < on) Set(x, y, colour);
    });
}

void Canvas::Circle(int cx, int cy, int radius, std::uint8_t colour, int thickness) {
    // Every pixel whose centre lies in the ring between radius - thickness and radius.
    const int outer = radius * radius + radius;  // (radius + 0.5)^2, rounded down
    const int innerRadius = radius - thickness;
    const int inner = innerRadius < 0 ? -1 : innerRadius * innerRadius + innerRadius;
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            const int d = x * x + y * y;
            if (d <= outer && d > inner) Set(cx + x, cy + y, colour);
        }
    }
}

void Canvas::Disc(int cx, int cy, int radius, std::uint8_t colour) {
    const int outer = radius * radius + radius;
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            if (x * x + y * y <= outer) Set(cx + x, cy + y, colour);
        }
    }
}

namespace {

// Rows of the 5 x 7 digits, the leftmost pixel in bit 4.
constexpr std::uint8_t kDigitRows[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},  // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},  // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},  // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},  // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},  // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},  // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},  // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},  // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},  // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},  // 9
};

}  // namespace

void Canvas::Digit(int x, int y, int digit, std::uint8_t colour, int scale) {
    if (digit < 0 || digit > 9) throw std::invalid_argument("not a digit");
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (kDigitRows[digit][row] & (0x10 >> column)) {
                FillRect(x + column * scale, y + row * scale, x + (column + 1) * scale, y + (row + 1) * scale,
                         colour);
            }
        }
    }
}

void Canvas::Remap(const std::vector<std::uint8_t>& map) {
    for (std::uint8_t& pixel : pixels_) {
        if (pixel < map.size()) pixel = map[pixel];
    }
}

}  // namespace picgen
