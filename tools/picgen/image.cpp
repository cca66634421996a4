#include "image.h"

#include <stdexcept>

namespace picgen {

namespace {

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InRoundRect(double x, double y, double left, double top, double right, double bottom, double radius) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Channel(a.red + (b.red - a.red) * t), Channel(a.green + (b.green - a.green) * t),
            Channel(a.blue + (b.blue - a.blue) * t)};
}

Image::Image(int width, int height, Rgb background) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("image size must be positive");
    pixels_.assign(static_cast<std::size_t>(width) * height, background);
}

void Image::Set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = colour;
}

void Image::Blend(int x, int y, Rgb colour, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Rgb& pixel = pixels_[Index(x, y)];
    pixel = coverage >= 1.0 ? colour : Mix(pixel, colour, coverage);
}

void Image::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) pixels_[Index(x, y)] = colour;
    }
}

void Image::VerticalGradient(int left, int top, int right, int bottom, Rgb top_colour, Rgb bottom_colour) {
    const double span = std::max(1, bottom - top - 1);
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        const Rgb colour = Mix(top_colour, bottom_colour, (y - top) / span);
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) pixels_[Index(x, y)] = colour;
    }
}

void Image::RoundRect(double left, double top, double right, double bottom, double radius, Rgb colour) {
    RoundRectGradient(left, top, right, bottom, radius, colour, colour);
}

void Image::RoundRectGradient(double left, double top, double right, double bottom, double radius, Rgb top_colour,
                              Rgb bottom_colour) {
    const double span = std::max(1.0, bottom - top);
    Paint(
        left, top, right, bottom,
        [=](double x, double y) { return InRoundRect(x, y, left, top, right, bottom, radius); },
        [=](double, double y) { return Mix(top_colour, bottom_colour, std::clamp((y - top) / span, 0.0, 1.0)); });
}

void Image::RoundFrame(double left, double top, double right, double bottom, double radius, double thickness,
                       Rgb colour) {
    const double inner = std::max(0.0, radius - thickness);
    Paint(
        left, top, right, bottom,
        [=](double x, double y) {
            return InRoundRect(x, y, left, top, right, bottom, radius) &&
                   !InRoundRect(x, y, left + thickness, top + thickness, right - thickness, bottom - thickness, inner);
        },
        [=](double, double) { return colour; });
}

void Image::Disc(double cx, double cy, double radius, Rgb colour) {
    Paint(
        cx - radius, cy - radius, cx + radius, cy + radius,
        [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; },
        [=](double, double) { return colour; });
}

void Image::Ring(double cx, double cy, double radius, double thickness, Rgb colour) {
    EllipseRing(cx, cy, radius, radius, thickness, colour);
}

void Image::EllipseRing(double cx, double cy, double rx, double ry, double thickness, Rgb colour) {
    const double half = thickness / 2;
    Paint(
        cx - rx - half, cy - ry - half, cx + rx + half, cy + ry + half,
        [=](double x, double y) {
            const auto in = [&](double ax, double ay) {
                return ax > 0 && ay > 0 && (x - cx) * (x - cx) / (ax * ax) + (y - cy) * (y - cy) / (ay * ay) <= 1;
            };
            return in(rx + half, ry + half) && !in(rx - half, ry - half);
        },
        [=](double, double) { return colour; });
}

void Image::Line(double x0, double y0, double x1, double y1, double width, Rgb colour) {
    const double half = width / 2;
    Paint(
        std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half,
        [=](double x, double y) { return SegmentDistance({x, y}, {x0, y0}, {x1, y1}) <= half; },
        [=](double, double) { return colour; });
}

void Image::DashedLine(double x0, double y0, double x1, double y1, double width, double on, double off,
                       Rgb colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (length <= 0) return;
    const double ux = (x1 - x0) / length;
    const double uy = (y1 - y0) / length;
    for (double s = 0; s < length; s += on + off) {
        const double e = std::min(length, s + on);
        Line(x0 + ux * s, y0 + uy * s, x0 + ux * e, y0 + uy * e, width, colour);
    }
}

void Image::Polygon(const std::vector<Point>& points, Rgb colour) {
    if (points.size() < 3) return;
    double left = points[0].x, right = left, top = points[0].y, bottom = top;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    Paint(
        left, top, right, bottom,
        [&](double x, double y) {
            bool inside = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const Point a = points[i];
                const Point b = points[j];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
            }
            return inside;
        },
        [=](double, double) { return colour; });
}

void Image::Paste(const Image& other, int x, int y) {
    for (int row = 0; row < other.Height(); ++row) {
        for (int column = 0; column < other.Width(); ++column) Set(x + column, y + row, other.At(column, row));
    }
}

void Image::Fade() {
    for (Rgb& pixel : pixels_) {
        const double grey = 0.3 * pixel.red + 0.59 * pixel.green + 0.11 * pixel.blue;
        const Rgb toned = Mix(Rgb{Channel(grey), Channel(grey), Channel(grey)}, pixel, 0.25);
        pixel = Mix(toned, Rgb{255, 255, 255}, 0.6);
    }
}

}  // namespace picgen
