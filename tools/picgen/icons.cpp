// The icon and the hand cursor: 16 colours, drawn pixel by pixel on the fixed
// palette, since their transparency is a palette entry.
#include "palette.h"
#include "pictures.h"

namespace picgen {

namespace {

using namespace colour;

struct Box {
    int left, top, right, bottom;
};

Canvas Blank(int width, int height, std::uint8_t background) { return Canvas(width, height, Palette(), background); }

// Icon 128: a small keyboard on a transparent ground (kPanel marks transparency).
Canvas MainFrameIcon128() {
    Canvas canvas = Blank(32, 32, kPanel);
    canvas.FillRect(15, 1, 17, 7, kDark);  // the cable
    canvas.FillRect(1, 7, 31, 26, kDark);
    canvas.FillRect(2, 8, 30, 25, kSilver);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int left = 3 + column * 3 + (row == 1 ? 1 : 0);
            canvas.FillRect(left, 10 + row * 4, left + 2, 12 + row * 4, kWhite);
            canvas.Set(left + 1, 11 + row * 4, kDots);
        }
    }
    canvas.FillRect(8, 22, 24, 24, kWhite);  // space bar
    canvas.Set(27, 9, kGreen);               // a key light
    canvas.Set(28, 9, kGreen);
    return canvas;
}

// Cursor 151: a pointing hand, the tip of its index finger on the hot spot (12, 4).
Canvas HandCursor151() {
    Canvas canvas = Blank(32, 32, kPanel);
    // The hand's inside, as rectangles: index finger, the three other fingers, palm, thumb.
    const Box inside[] = {{12, 4, 15, 20},  {16, 10, 19, 20}, {20, 11, 23, 20},
                          {24, 13, 26, 20}, {9, 18, 26, 29},  {7, 15, 12, 22}};
    for (const Box& box : inside) canvas.FillRect(box.left, box.top, box.right, box.bottom, kWhite);
    // Gaps between the fingers.
    canvas.FillRect(15, 4, 16, 18, kPanel);
    canvas.FillRect(19, 10, 20, 18, kPanel);
    canvas.FillRect(23, 11, 24, 18, kPanel);
    // The outline: every transparent pixel next to the inside.
    Canvas outlined = canvas;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (canvas.At(x, y) != kPanel) continue;
            const bool edge = (x > 0 && canvas.At(x - 1, y) == kWhite) || (x < 31 && canvas.At(x + 1, y) == kWhite) ||
                              (y > 0 && canvas.At(x, y - 1) == kWhite) || (y < 31 && canvas.At(x, y + 1) == kWhite);
            if (edge) outlined.Set(x, y, kBlack);
        }
    }
    return outlined;
}

}  // namespace

const std::vector<Icon>& Icons() {
    static const std::vector<Icon> icons = {
        {128, "ravlen.ico", 32, colour::kPanel, MainFrameIcon128},
        {151, "hand.cur", 32, colour::kPanel, HandCursor151, true, 12, 4},
    };
    return icons;
}

}  // namespace picgen
