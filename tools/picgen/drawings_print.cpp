#include "art.h"
#include "drawings.h"
#include "text.h"

#include <string>

namespace picgen {

namespace {

constexpr Rgb kPaperLine{170, 176, 186};
constexpr Rgb kSkin{240, 196, 160};
constexpr Rgb kSkinLine{190, 132, 96};
constexpr Rgb kSteel{150, 158, 170};
// The greyed label strip.
constexpr Rgb kGreyEdge{160, 160, 160};
constexpr Rgb kGreyPaper{212, 212, 212};
constexpr Rgb kGreyLetters{250, 250, 250};

// The centre of key k's cell, as a fraction of the strip's width: seven even
// cells, so that the last name stays on the strip.
double BoxCentre(int k) { return (k + 0.5) / 7.0; }

// The names of the seven keys in the cells of a strip drawn from left to right.
void StripNames(Image& image, const Language& language, double left, double right, double cy, int pixels,
                Rgb colour, double cell) {
    for (int k = 0; k < 7; ++k) {
        const double cx = left + BoxCentre(k) * (right - left);
        int size = pixels;
        const std::vector<std::string> lines =
            Wrap(language.Regular(), size, language.keyNames[k], static_cast<int>(cell), language.cjk);
        const double lineHeight = size * 1.15;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            Type().DrawCentred(image, language.Regular(), size, cx, cy + (i - (lines.size() - 1) / 2.0) * lineHeight,
                               lines[i], colour);
        }
    }
}

void StepBadge(Image& image, double cx, double cy, int digit) {
    image.Disc(cx, cy, 19, ink::kAccent);
    Type().DrawCentred(image, Face::SansBold, 26, cx, cy, std::to_string(digit), ink::kWhite);
}

void Scissors(Image& image, double x, double y, double s, double angle) {
    const double c = std::cos(angle), n = std::sin(angle);
    const auto P = [&](double u, double v) { return Point{x + (u * c - v * n) * s, y + (u * n + v * c) * s}; };
    // Blades from the pivot forward, handles behind it.
    image.Polygon({P(0, -0.06), P(1.0, -0.02), P(0.95, 0.04), P(0, 0.08)}, kSteel);
    image.Polygon({P(0, 0.06), P(0.95, 0.2), P(0.9, 0.26), P(0, 0.14)}, Rgb{120, 128, 140});
    const Point h1 = P(-0.42, -0.12);
    const Point h2 = P(-0.38, 0.32);
    image.Line(P(0, 0.0).x, P(0, 0.0).y, h1.x, h1.y, s * 0.07, ink::kAccent);
    image.Line(P(0, 0.1).x, P(0, 0.1).y, h2.x, h2.y, s * 0.07, ink::kAccent);
    image.Ring(h1.x, h1.y, s * 0.17, s * 0.08, ink::kAccent);
    image.Ring(h2.x, h2.y, s * 0.17, s * 0.08, ink::kAccent);
    const Point pivot = P(0, 0.05);
    image.Disc(pivot.x, pivot.y, s * 0.04, Rgb{60, 60, 60});
}

// A hand seen from the side, holding something at (x, y); mirror flips it.
void Hand(Image& image, double x, double y, bool mirror) {
    const double d = mirror ? -1 : 1;
    image.RoundRect(std::min(x - d * 70, x - d * 8), y - 26, std::max(x - d * 70, x - d * 8), y + 34, 22, kSkinLine);
    image.RoundRect(std::min(x - d * 69, x - d * 9) + 1, y - 25, std::max(x - d * 69, x - d * 9) - 1, y + 33, 21, kSkin);
    // Thumb over the strip, fingers under it.
    image.RoundRect(std::min(x - d * 20, x + d * 12), y - 24, std::max(x - d * 20, x + d * 12), y - 10, 7, kSkinLine);
    image.RoundRect(std::min(x - d * 19, x + d * 11) + 1, y - 23, std::max(x - d * 19, x + d * 11) - 1, y - 11, 6, kSkin);
    for (int f = 0; f < 3; ++f) {
        image.Line(x - d * 30, y + 8 + f * 9, x - d * 10, y + 8 + f * 9, 1.2, kSkinLine);
    }
    // Sleeve.
    image.RoundRect(std::min(x - d * 110, x - d * 62), y - 30, std::max(x - d * 110, x - d * 62), y + 38, 6, ink::kBlue);
}

}  // namespace

Image LabelStrip(const Language& language, bool greyed) {
    // The printed strip is white on black; greyed, the same strip in the
    // light greys of a disabled control, so that it does not read as "this
    // will print" beside the style radios.
    Image image(545, 40, ink::kWhite);
    const Rgb edge = greyed ? kGreyEdge : ink::kBlack;
    const Rgb paper = greyed ? kGreyPaper : ink::kBlack;
    const Rgb letters = greyed ? kGreyLetters : ink::kWhite;
    image.FillRect(1, 1, 544, 39, edge);
    image.FillRect(2, 2, 543, 38, paper);
    StripNames(image, language, 2, 543, 16, language.cjk ? 11 : 10, letters, 74);
    image.DashedLine(3, 33, 542, 33, 1, 4, 3, letters);
    return image;
}

// The printed sheet's instructions: blank paper at the top, where the print job
// puts the label strip, then the three steps: cut, fold, insert. The picture
// is scaled to the paper and the strip is not, so nothing may be drawn on the
// paper where the strip goes: the first 124 rows stay blank, which keeps the
// strip's band (down to 29.5 mm) clear at every scale from 2 units a pixel
// (a printable area 146 mm high, in landscape) up.
Image Instructions(const Language&) {
    Image image(582, 732, ink::kWhite);
    // Step 1: cut the strip off the top of the sheet.
    StepBadge(image, 40, 150, 1);
    image.FillRect(92, 126, 392, 318, Rgb{236, 238, 242});
    image.FillRect(90, 124, 390, 316, ink::kWhite);
    image.FillRect(90, 124, 91, 316, kPaperLine);
    image.FillRect(389, 124, 390, 316, kPaperLine);
    image.FillRect(90, 124, 390, 125, kPaperLine);
    image.FillRect(106, 136, 374, 166, ink::kBlack);
    image.DashedLine(106, 151, 374, 151, 1, 4, 3, ink::kWhite);
    for (int k = 0; k < 7; ++k) image.FillRect(112 + k * 37, 141, 140 + k * 37, 146, Rgb{200, 200, 200});
    image.DashedLine(98, 174, 382, 174, 2, 7, 5, ink::kAccent);
    for (int line = 0; line < 8; ++line) image.FillRect(110, 196 + line * 13, 330 - (line % 3) * 30, 200 + line * 13,
                                                      Rgb{222, 226, 232});
    Scissors(image, 405, 174, 62, 3.14159);

    // Step 2: fold the strip along its middle, printed side out.
    StepBadge(image, 40, 370, 2);
    image.FillRect(190, 356, 440, 376, ink::kBlack);
    for (int k = 0; k < 7; ++k) image.FillRect(158 + k * 40, 363, 186 + k * 40, 368, Rgb{200, 200, 200});
    image.FillRect(190, 376, 440, 396, Rgb{246, 246, 246});
    image.FillRect(190, 396, 440, 397, kPaperLine);
    image.DashedLine(190, 376, 440, 376, 1, 4, 3, ink::kAccent);
    // The fold: the lower half turned back behind the upper one.
    image.Line(444, 368, 470, 368, 2, ink::kBlue);
    image.Line(470, 368, 470, 400, 2, ink::kBlue);
    image.Polygon({{462, 398}, {478, 398}, {470, 412}}, ink::kBlue);
    Hand(image, 190, 380, false);
    Hand(image, 440, 380, true);
    // Underneath: the folded strip seen edge on.
    image.FillRect(190, 440, 440, 452, ink::kBlack);
    image.FillRect(190, 452, 440, 456, Rgb{246, 246, 246});
    image.Ring(440, 448, 8, 2, kPaperLine);
    image.FillRect(432, 438, 440, 458, ink::kWhite);

    // Step 3: push the folded strip into the slot above the launch keys.
    StepBadge(image, 40, 560, 3);
    KeyboardLook look;
    look.lights = true;
    Keyboard(image, 90 - 4.6 * 50, 610 - 0.3 * 50, 50, look, Neutral());
    image.FillRect(0, 722, 582, 732, ink::kWhite);
    // The strip, half in the slot, and an arrow pushing it down.
    image.FillRect(90 + 12, 540, 90 + 470, 600, ink::kBlack);
    for (int k = 0; k < 7; ++k) image.FillRect(112 + k * 66, 560, 150 + k * 66, 568, Rgb{200, 200, 200});
    image.Line(560, 520, 560, 585, 4, ink::kAccent);
    image.Polygon({{548, 580}, {572, 580}, {560, 600}}, ink::kAccent);
    return image;
}

}  // namespace picgen
