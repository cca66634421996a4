#include "art.h"
#include "drawings.h"
#include "text.h"

namespace picgen {

namespace {

constexpr Rgb kBar{212, 208, 200};       // the task bar
constexpr Rgb kBarLight{255, 255, 255};
constexpr Rgb kBarDark{128, 128, 128};

// The wizard's tray icon: a small keyboard.
void TrayKeyboard(Image& image, double x, double y) {
    image.RoundRect(x, y + 3, x + 16, y + 13, 1.5, ink::kBodyEdge);
    image.RoundRect(x + 1, y + 4, x + 15, y + 12, 1, ink::kBody);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 6; ++c) image.FillRect(static_cast<int>(x) + 2 + c * 2 + r, static_cast<int>(y) + 5 + r * 3,
                                                   static_cast<int>(x) + 3 + c * 2 + r, static_cast<int>(y) + 7 + r * 3,
                                                   ink::kLegend);
    }
    image.Disc(x + 13.5, y + 5.5, 1, LaunchLight(3));
}

void Speaker(Image& image, double x, double y) {
    image.Polygon({{x + 1, y + 6}, {x + 5, y + 6}, {x + 9, y + 2}, {x + 9, y + 14}, {x + 5, y + 10}, {x + 1, y + 10}},
                  Rgb{40, 40, 40});
    image.Line(x + 12, y + 5, x + 13, y + 8, 1, Rgb{40, 40, 40});
    image.Line(x + 13, y + 8, x + 12, y + 11, 1, Rgb{40, 40, 40});
}

void Network(Image& image, double x, double y) {
    image.FillRect(static_cast<int>(x), static_cast<int>(y) + 2, static_cast<int>(x) + 10, static_cast<int>(y) + 9,
                   Rgb{40, 40, 40});
    image.FillRect(static_cast<int>(x) + 1, static_cast<int>(y) + 3, static_cast<int>(x) + 9, static_cast<int>(y) + 8,
                   Rgb{90, 160, 220});
    image.FillRect(static_cast<int>(x) + 6, static_cast<int>(y) + 7, static_cast<int>(x) + 16, static_cast<int>(y) + 14,
                   Rgb{40, 40, 40});
    image.FillRect(static_cast<int>(x) + 7, static_cast<int>(y) + 8, static_cast<int>(x) + 15, static_cast<int>(y) + 13,
                   Rgb{90, 160, 220});
}

}  // namespace

// The right end of the task bar: the notification area with its icons and clock.
Image TaskBar(const Language& language, int width, int height, bool iconShown, bool iconMarked) {
    Image image(width, height, ink::kWhite);
    const int top = height - 30;
    image.FillRect(0, top, width, height, kBar);
    image.FillRect(0, top, width, top + 1, kBar);
    image.FillRect(0, top + 1, width, top + 2, kBarLight);
    // The sunken notification area.
    const int clockWidth = Type().Measure(language.Regular(), 12, language.clock) + 12;
    // A narrow bar has room for the wizard's icon and the clock only.
    const bool narrow = width < 150;
    const int icons = (iconShown ? 1 : 0) + (narrow ? 0 : 2);
    const int areaLeft = width - 4 - clockWidth - icons * 20 - 4;
    image.FillRect(areaLeft, top + 4, width - 3, height - 3, kBarDark);
    image.FillRect(areaLeft + 1, top + 5, width - 3, height - 3, kBarLight);
    image.FillRect(areaLeft + 1, top + 5, width - 4, height - 4, kBar);
    double x = areaLeft + 5;
    const double iconTop = top + 8;
    if (iconShown) {
        if (iconMarked) image.Ring(x + 8, iconTop + 8, 11, 2.5, ink::kAccent);
        TrayKeyboard(image, x, iconTop);
        x += 20;
    }
    if (!narrow) {
        Speaker(image, x, iconTop);
        x += 20;
        Network(image, x, iconTop);
    }
    Type().DrawCentred(image, language.Regular(), 12, width - 4 - clockWidth / 2.0, top + 16, language.clock,
                       Rgb{0, 0, 0});
    // The rest of the bar: the end of a task button.
    if (areaLeft > 30) {
        image.FillRect(0, top + 4, areaLeft - 8, height - 3, kBarLight);
        image.FillRect(1, top + 5, areaLeft - 8, height - 3, kBarDark);
        image.FillRect(1, top + 5, areaLeft - 9, height - 4, kBar);
    }
    return image;
}

// Beside the Summary page's key row: three launch keys and an arrow to the row.
Image SummaryKeysCaption(const Language&) {
    Image image(117, 51, ink::kWhite);
    for (int k = 0; k < 3; ++k) {
        const double left = 6 + k * 24;
        image.Disc(left + 10, 9, 2, LaunchLight(k + 4));
        KeyCap(image, left, 13, left + 20, 37, 3);
        LaunchSymbol(image, k + 4, left + 10, 24, 11, ink::kLegend);
    }
    image.Line(80, 25, 104, 25, 3, ink::kAccent);
    image.Polygon({{102, 17}, {114, 25}, {102, 33}}, ink::kAccent);
    return image;
}

// Over the key names of the Summary page: the name of the key group on a tab.
Image SummaryLumoraTitle(const Language& language) {
    Image image(116, 35, ink::kWhite);
    image.Polygon({{1, 7}, {100, 7}, {114, 17.5}, {100, 28}, {1, 28}}, ink::kBandBottom);
    int pixels = 13;
    while (pixels > 8 && Type().Measure(language.Bold(), pixels, language.lumoraKeys) > 92) --pixels;
    Type().DrawCentred(image, language.Bold(), pixels, 51, 17.5, language.lumoraKeys, ink::kWhite);
    return image;
}

}  // namespace picgen
