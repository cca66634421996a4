#include "art.h"
#include "drawings.h"
#include "text.h"

#include <string>

namespace picgen {

Image PageBackgroundPicture(int width, int height) { return PageBackground(width, height, kRowBottom); }

// The Summary page's row reaches lower: the three choices (enable, disable, yes,
// no) stand under their tab labels in it. Under the key names 1145 to 1151 (white
// text) lies the keyboard's black label slot, which the key row picture continues.
Image SummaryBackground(const Language&) {
    Image image = PageBackground(716, 517, 144);
    image.RoundRect(172, 146, 699, 250, 9, ink::kBody);
    image.RoundRect(178, 150, 693, 179, 4, Rgb{80, 84, 92});
    image.RoundRect(179, 151, 692, 178, 3, ink::kSlot);
    return image;
}

// The Customize Keys page shows the same piece of keyboard at the key hot spots;
// the key row pictures lie exactly over its keys, and the key names (white text)
// stand on the label slot above them.
Image CustomizeBackground(const Language& language) {
    Image image = PageBackground(719, 496, kRowBottom);
    image.RoundRect(188, 114, 714, 208, 9, ink::kBody);
    image.RoundRect(198, 117, 704, 146, 4, Rgb{80, 84, 92});
    image.RoundRect(199, 118, 703, 145, 3, ink::kSlot);
    image.Paste(KeyRow(-1), kKeyRowLeft, kKeyRowTop);
    (void)language;
    return image;
}

Image Strip(int current) {
    Image image(516, 30, ink::kRow);
    constexpr double cy = 15;
    constexpr double radius = 11;
    for (int i = 0; i + 1 < 6; ++i) {
        image.DashedLine(kStripCentres[i] + radius + 4, cy, kStripCentres[i + 1] - radius - 4, cy, 2, 2, 3,
                         ink::kMuted);
    }
    for (int i = 0; i < 6; ++i) {
        const double cx = kStripCentres[i];
        const std::string digit = std::to_string(i + 1);
        if (i == current) {
            image.Disc(cx, cy, radius + 3, Mix(ink::kAccent, ink::kRow, 0.7));
            image.Disc(cx, cy, radius, ink::kAccent);
            Type().DrawCentred(image, Face::SansBold, 14, cx, cy, digit, ink::kWhite);
        } else {
            image.Disc(cx, cy, radius, ink::kWhite);
            image.Ring(cx, cy, radius - 0.75, 1.5, ink::kMuted);
            Type().DrawCentred(image, Face::SansBold, 13, cx, cy, digit, Rgb{96, 110, 132});
        }
    }
    return image;
}

Image StepNumber(int width, int height, int digit) {
    Image image(width, height, ink::kWhite);
    const double radius = std::min(width, height) / 2.0 - 0.3;
    image.Disc(width / 2.0, height / 2.0, radius, ink::kAccent);
    Type().DrawCentred(image, Face::SansBold, height <= 16 ? 11 : 12, width / 2.0, height / 2.0,
                       std::to_string(digit), ink::kWhite);
    return image;
}

}  // namespace picgen
