#include "art.h"

#include "line_break.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace picgen {

namespace {

constexpr double kPi = 3.14159265358979;

// Faint key caps in the right end of the title band, fading out to the left.
void BandPattern(Image& image) {
    const int width = image.Width();
    for (int row = 0; row < 3; ++row) {
        for (double x = width - 14 - (row % 2) * 9; x > width - 300; x -= 22) {
            const double fade = (x - (width - 300)) / 300.0;
            const double y = 4 + row * 13;
            image.RoundFrame(x, y, x + 18, y + 11, 2.5, 1.0, Mix(ink::kBandTop, ink::kWhite, 0.13 * fade));
        }
    }
}

void Arrow(Image& image, double cx, double cy, double size, bool left, Rgb colour) {
    const double d = left ? -1 : 1;
    image.Line(cx - d * size * 0.5, cy, cx + d * size * 0.45, cy, size * 0.16, colour);
    image.Polygon({{cx + d * size * 0.55, cy}, {cx + d * size * 0.1, cy - size * 0.4}, {cx + d * size * 0.1, cy + size * 0.4}},
                  colour);
}

void MediaSymbol(Image& image, int k, double cx, double cy, double s, Rgb colour) {
    const auto triangle = [&](double x, double dir) {
        image.Polygon({{x - dir * s * 0.25, cy - s * 0.3}, {x + dir * s * 0.25, cy}, {x - dir * s * 0.25, cy + s * 0.3}},
                      colour);
    };
    switch (k) {
        case 0:  // previous
            triangle(cx + s * 0.05, -1);
            image.FillRect(static_cast<int>(cx - s * 0.35), static_cast<int>(cy - s * 0.3),
                           static_cast<int>(cx - s * 0.35 + std::max(1.0, s * 0.1)), static_cast<int>(cy + s * 0.3), colour);
            break;
        case 1:  // play and pause
            triangle(cx - s * 0.12, 1);
            image.FillRect(static_cast<int>(cx + s * 0.2), static_cast<int>(cy - s * 0.3),
                           static_cast<int>(cx + s * 0.2 + std::max(1.0, s * 0.08)), static_cast<int>(cy + s * 0.3), colour);
            image.FillRect(static_cast<int>(cx + s * 0.34), static_cast<int>(cy - s * 0.3),
                           static_cast<int>(cx + s * 0.34 + std::max(1.0, s * 0.08)), static_cast<int>(cy + s * 0.3), colour);
            break;
        case 2:  // next
            triangle(cx - s * 0.05, 1);
            image.FillRect(static_cast<int>(cx + s * 0.25), static_cast<int>(cy - s * 0.3),
                           static_cast<int>(cx + s * 0.25 + std::max(1.0, s * 0.1)), static_cast<int>(cy + s * 0.3), colour);
            break;
        case 3:  // stop
            image.RoundRect(cx - s * 0.25, cy - s * 0.25, cx + s * 0.25, cy + s * 0.25, s * 0.04, colour);
            break;
        default:  // mute
            image.Polygon({{cx - s * 0.35, cy - s * 0.12}, {cx - s * 0.18, cy - s * 0.12}, {cx + s * 0.05, cy - s * 0.32},
                           {cx + s * 0.05, cy + s * 0.32}, {cx - s * 0.18, cy + s * 0.12}, {cx - s * 0.35, cy + s * 0.12}},
                          colour);
            image.Line(cx + s * 0.15, cy - s * 0.15, cx + s * 0.4, cy + s * 0.15, s * 0.08, colour);
            image.Line(cx + s * 0.15, cy + s * 0.15, cx + s * 0.4, cy - s * 0.15, s * 0.08, colour);
            break;
    }
}

}  // namespace

Image PageBackground(int width, int height, int rowBottom) {
    Image image(width, height, ink::kWhite);
    image.VerticalGradient(0, 0, width, kBandBottom - 1, ink::kBandTop, ink::kBandBottom);
    BandPattern(image);
    image.FillRect(0, kBandBottom - 1, width, kBandBottom + 1, ink::kBandLine);
    image.FillRect(0, kBandBottom + 1, width, rowBottom - 1, ink::kRow);
    image.FillRect(0, rowBottom - 1, width, rowBottom, ink::kRowLine);
    return image;
}

Rgb LaunchLight(int k) {
    static constexpr Rgb lights[7] = {{235, 64, 52},  {245, 150, 30}, {240, 210, 40}, {70, 200, 90},
                                      {40, 190, 220}, {60, 120, 240}, {170, 90, 230}};
    return lights[k % 7];
}

void LaunchSymbol(Image& image, int k, double cx, double cy, double s, Rgb colour) {
    const double w = std::max(1.0, s * 0.09);  // stroke width
    switch (k) {
        case 0:  // lock desktop: a padlock
            image.EllipseRing(cx, cy - s * 0.12, s * 0.2, s * 0.22, w, colour);
            image.RoundRect(cx - s * 0.32, cy - s * 0.08, cx + s * 0.32, cy + s * 0.42, s * 0.06, colour);
            break;
        case 1:  // documents: a folder
            image.Polygon({{cx - s * 0.45, cy - s * 0.3}, {cx - s * 0.12, cy - s * 0.3}, {cx - s * 0.02, cy - s * 0.2},
                           {cx + s * 0.45, cy - s * 0.2}, {cx + s * 0.45, cy + s * 0.35}, {cx - s * 0.45, cy + s * 0.35}},
                          colour);
            break;
        case 2: {  // word processor: a page with lines
            image.RoundFrame(cx - s * 0.32, cy - s * 0.42, cx + s * 0.32, cy + s * 0.42, s * 0.04, w, colour);
            for (int line = 0; line < 4; ++line) {
                const double y = cy - s * 0.22 + line * s * 0.15;
                image.Line(cx - s * 0.18, y, cx + (line == 3 ? 0.02 : 0.18) * s, y, w * 0.8, colour);
            }
            break;
        }
        case 3:  // spreadsheet: a grid
            image.RoundFrame(cx - s * 0.42, cy - s * 0.34, cx + s * 0.42, cy + s * 0.34, s * 0.03, w, colour);
            for (int i = 1; i < 3; ++i) {
                image.Line(cx - s * 0.42 + i * s * 0.28, cy - s * 0.34, cx - s * 0.42 + i * s * 0.28, cy + s * 0.34,
                           w * 0.7, colour);
                image.Line(cx - s * 0.42, cy - s * 0.34 + i * s * 0.227, cx + s * 0.42, cy - s * 0.34 + i * s * 0.227,
                           w * 0.7, colour);
            }
            break;
        case 4:  // calculator
            image.RoundFrame(cx - s * 0.3, cy - s * 0.42, cx + s * 0.3, cy + s * 0.42, s * 0.05, w, colour);
            image.FillRect(static_cast<int>(cx - s * 0.18), static_cast<int>(cy - s * 0.3),
                           static_cast<int>(cx + s * 0.18), static_cast<int>(cy - s * 0.12), colour);
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c) {
                    image.Disc(cx - s * 0.15 + c * s * 0.15, cy + s * 0.02 + r * s * 0.13, std::max(0.7, s * 0.045),
                               colour);
                }
            }
            break;
        case 5:  // e-mail: an envelope
            image.RoundFrame(cx - s * 0.42, cy - s * 0.28, cx + s * 0.42, cy + s * 0.3, s * 0.03, w, colour);
            image.Line(cx - s * 0.4, cy - s * 0.26, cx, cy + s * 0.04, w, colour);
            image.Line(cx + s * 0.4, cy - s * 0.26, cx, cy + s * 0.04, w, colour);
            break;
        default:  // Internet: a globe
            image.Ring(cx, cy, s * 0.4, w, colour);
            image.EllipseRing(cx, cy, s * 0.16, s * 0.4, w * 0.8, colour);
            image.Line(cx - s * 0.4, cy, cx + s * 0.4, cy, w * 0.8, colour);
            image.Line(cx - s * 0.33, cy - s * 0.2, cx + s * 0.33, cy - s * 0.2, w * 0.7, colour);
            image.Line(cx - s * 0.33, cy + s * 0.2, cx + s * 0.33, cy + s * 0.2, w * 0.7, colour);
            break;
    }
}

void KeyCap(Image& image, double left, double top, double right, double bottom, double radius) {
    const double edge = std::max(1.0, (bottom - top) * 0.08);
    image.RoundRect(left, top, right, bottom, radius, ink::kBodyEdge);
    image.RoundRectGradient(left + edge * 0.6, top + edge * 0.4, right - edge * 0.6, bottom - edge * 1.6, radius,
                            ink::kKeyTop, ink::kKeyBottom);
}

Image KeyRow(int marked) {
    Image image(507, 59, ink::kBody);
    for (int k = 0; k < 7; ++k) {
        const Box& hot = kKeyHotSpots[k];
        const double left = hot.left - kKeyRowLeft;
        const double top = hot.top - kKeyRowTop;
        const double right = hot.right - kKeyRowLeft;
        const double bottom = hot.bottom - kKeyRowTop;
        KeyCap(image, left, top, right, bottom, 5);
        if (k == marked) {
            image.RoundRectGradient(left + 1.5, top + 1.5, right - 1.5, bottom - 4, 5, Rgb{122, 128, 140},
                                    Rgb{90, 95, 106});
        }
        const double cx = (left + right) / 2;
        LaunchSymbol(image, k, cx, top + 25, 18, ink::kLegend);
        image.Disc(cx, top + 8, 2.2, LaunchLight(k));
        if (k == marked) image.EllipseRing(cx, 28.5, 24.5, 26.5, 3, ink::kAccent);
    }
    return image;
}

std::vector<std::string> Wrap(Face face, int& pixels, const std::string& text, int width, bool cjk) {
    const auto measure = [&](const std::string& line) { return Type().Measure(face, pixels, line); };
    for (;; --pixels) {
        std::vector<std::string> lines = FitLines(BreakablePieces(text, cjk), width, 2, measure);
        const bool fits =
            std::all_of(lines.begin(), lines.end(), [&](const std::string& line) { return measure(line) <= width; });
        if (fits || pixels <= 8) return lines;
    }
}

void Keyboard(Image& image, double x, double y, double u, const KeyboardLook& look, const Language& language) {
    const auto X = [&](double units) { return x + units * u; };
    const auto Y = [&](double units) { return y + units * u; };
    const double radius = u * 0.12;
    const auto Key = [&](double left, double top, double width, double height) {
        KeyCap(image, X(left) + u * 0.04, Y(top) + u * 0.04, X(left + width) - u * 0.04, Y(top + height) - u * 0.04,
               radius);
    };

    // Shadow, body and its rim.
    for (int i = 4; i >= 1; --i) {
        image.RoundRect(X(0) - i * u * 0.05, Y(0.1), X(kKeyboardWidthUnits) + i * u * 0.05,
                        Y(kKeyboardHeightUnits) + i * u * 0.07, u * 0.5, Mix(ink::kWhite, ink::kShadow, 1.0 / i));
    }
    image.RoundRect(X(0), Y(0), X(kKeyboardWidthUnits), Y(kKeyboardHeightUnits), u * 0.45, ink::kBodyEdge);
    image.RoundRectGradient(X(0) + 1, Y(0) + 1, X(kKeyboardWidthUnits) - 1, Y(kKeyboardHeightUnits) - 1, u * 0.45,
                            Rgb{58, 62, 70}, ink::kBody);

    // Internet keys, with their arrows and, at large scales, their words.
    for (int k = 0; k < 2; ++k) {
        const double left = 0.6 + k * 1.6;
        KeyCap(image, X(left), Y(0.6), X(left + 1.3), Y(1.5), u * 0.2);
        Arrow(image, X(left + 0.65), Y(1.02), u * 0.42, k == 0, ink::kLegend);
        if (look.legends) {
            const int pixels = std::max(8, static_cast<int>(u * 0.2));
            Type().DrawCentred(image, language.Regular(), pixels, X(left + 0.65), Y(1.78),
                               k == 0 ? language.back : language.forward, ink::kLegend);
        }
    }

    // The label slot over the seven launch keys, with the keys' lights.
    image.RoundRect(X(5.0), Y(0.3), X(14.5), Y(1.0), u * 0.08, Rgb{80, 84, 92});
    image.RoundRect(X(5.0) + 1, Y(0.3) + 1, X(14.5) - 1, Y(1.0) - 1, u * 0.06, ink::kSlot);
    for (int k = 0; k < 7; ++k) {
        const double left = 5.2 + k * 1.35;
        if (look.legends) {
            int pixels = std::max(8, static_cast<int>(u * 0.2));
            const std::vector<std::string> lines =
                Wrap(language.Regular(), pixels, language.keyNames[k], static_cast<int>(u * 1.3), language.cjk);
            const double lineHeight = pixels * 1.15;
            const double first = Y(0.65) - (lines.size() - 1) * lineHeight / 2;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                Type().DrawCentred(image, language.Regular(), pixels, X(left + 0.5), first + i * lineHeight, lines[i],
                                   ink::kWhite);
            }
        }
        image.Disc(X(left + 0.5), Y(1.1), std::max(0.8, u * 0.06),
                   look.lights ? LaunchLight(k) : Rgb{90, 94, 102});
        KeyCap(image, X(left), Y(1.2), X(left + 1.0), Y(2.0), radius);
        LaunchSymbol(image, k, X(left + 0.5), Y(1.58), u * 0.42, ink::kLegend);
    }

    // Media buttons and the volume wheel.
    for (int k = 0; k < 5; ++k) {
        const double cx = X(16.3 + k * 0.85);
        image.Disc(cx, Y(1.25), u * 0.34, ink::kBodyEdge);
        image.Disc(cx, Y(1.22), u * 0.3, ink::kKeyTop);
        MediaSymbol(image, k, cx, Y(1.22), u * 0.4, ink::kLegend);
    }
    image.Disc(X(22.7), Y(1.25), u * 0.58, ink::kBodyEdge);
    image.Disc(X(22.7), Y(1.22), u * 0.52, Rgb{70, 74, 82});
    for (int ridge = 0; ridge < 12; ++ridge) {
        const double a = ridge * kPi / 6;
        image.Line(X(22.7) + std::cos(a) * u * 0.3, Y(1.22) + std::sin(a) * u * 0.3, X(22.7) + std::cos(a) * u * 0.48,
                   Y(1.22) + std::sin(a) * u * 0.48, std::max(0.6, u * 0.03), ink::kKeyBottom);
    }

    // Function row: Esc, then three groups of four.
    Key(0.5, 2.4, 1, 0.9);
    for (int group = 0; group < 3; ++group) {
        for (int i = 0; i < 4; ++i) Key(2.5 + group * 4.5 + i, 2.4, 1, 0.9);
    }
    // The five rows of the main block, as key widths.
    static const std::vector<std::vector<double>> rows = {
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2},
        {1.5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1.5},
        {1.75, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2.25},
        {2.25, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2.75},
        {1.25, 1.25, 1.25, 6.25, 1.25, 1.25, 1.25, 1.25},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double left = 0.5;
        for (double width : rows[r]) {
            Key(left, 3.6 + static_cast<double>(r), width, 1);
            left += width;
        }
    }
    // Navigation block and arrows.
    for (int i = 0; i < 3; ++i) {
        Key(16 + i, 2.4, 1, 0.9);
        Key(16 + i, 3.6, 1, 1);
        Key(16 + i, 4.6, 1, 1);
        Key(16 + i, 7.6, 1, 1);
    }
    Key(17, 6.6, 1, 1);
    // Numeric keypad with its tall plus and Enter keys.
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (r == 4 && c == 1) continue;
            Key(19.5 + c + (r == 4 && c == 0 ? 0 : 0), 3.6 + r, r == 4 && c == 0 ? 2 : 1, 1);
        }
    }
    Key(22.5, 3.6, 1, 1);
    Key(22.5, 4.6, 1, 2);
    Key(22.5, 6.6, 1, 2);
    // Three lock lights over the keypad.
    for (int i = 0; i < 3; ++i) image.Disc(X(20.2 + i * 0.8), Y(2.85), std::max(0.7, u * 0.06), Rgb{90, 200, 110});

    if (look.glow == 1) {
        image.RoundFrame(X(0.35), Y(0.35), X(3.65), Y(look.legends ? 2.05 : 1.75), u * 0.3, std::max(2.0, u * 0.07),
                         ink::kAccent);
    } else if (look.glow == 2) {
        image.RoundFrame(X(4.8), Y(0.12), X(14.7), Y(2.2), u * 0.3, std::max(2.0, u * 0.07), ink::kAccent);
    }
}

}  // namespace picgen
