// The drawing pieces that several pictures share: the colours of the product,
// the page chrome, the keyboard and its extra keys.
#pragma once

#include "image.h"
#include "languages.h"

#include <array>

namespace picgen {

namespace ink {
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBandTop{22, 36, 60};      // title band, behind the white page title
constexpr Rgb kBandBottom{36, 58, 94};
constexpr Rgb kBandLine{232, 118, 20};   // thin accent under the band
constexpr Rgb kRow{241, 244, 248};       // the row of the page strip and its labels
constexpr Rgb kRowLine{204, 212, 224};
constexpr Rgb kAccent{232, 118, 20};     // current page, marked keys, step numbers
constexpr Rgb kBlue{28, 92, 168};
constexpr Rgb kMuted{150, 162, 180};     // other pages' circles, dotted lines
constexpr Rgb kBody{44, 47, 54};         // keyboard body
constexpr Rgb kBodyEdge{24, 26, 30};
constexpr Rgb kSlot{12, 12, 14};         // the label slot above the launch keys
constexpr Rgb kKeyTop{86, 90, 99};       // key caps, top and bottom of their gradient
constexpr Rgb kKeyBottom{62, 65, 73};
constexpr Rgb kLegend{214, 220, 228};    // symbols and words printed on the keyboard
constexpr Rgb kShadow{214, 218, 224};
}  // namespace ink

// Page pixels at the reference dialog base units (1.5 x 1.625 pixels per unit).
constexpr int kBandBottom = 44;       // the title 1038 stands in y 11 to 34
constexpr int kRowBottom = 114;       // the strip picture (y 46 to 76) and the labels (y 78 to 111)
constexpr int kStripLeft = 38;        // where the strip picture stands
constexpr int kStripTop = 46;
constexpr std::array<int, 6> kStripCentres = {18, 110, 209, 300, 398, 491};  // label centres in the strip

// The seven key hot spots of the Customize Keys page, page pixels.
struct Box {
    int left, top, right, bottom;
};
constexpr std::array<Box, 7> kKeyHotSpots = {{{216, 152, 256, 197},
                                              {292, 152, 332, 197},
                                              {366, 152, 406, 197},
                                              {438, 152, 478, 197},
                                              {511, 152, 551, 197},
                                              {585, 152, 625, 197},
                                              {658, 152, 698, 197}}};
// The key row picture's place on that page: dialog units (131, 90) in pixels.
constexpr int kKeyRowLeft = 197;
constexpr int kKeyRowTop = 146;

// White page with the title band and the strip row ending at rowBottom.
Image PageBackground(int width, int height, int rowBottom);

// The key row (507 x 59) with key `marked` (0 to 6) ringed; -1 rings none.
Image KeyRow(int marked);

// The symbol of launch key k (0 to 6) centred on (cx, cy), about size pixels.
void LaunchSymbol(Image& image, int k, double cx, double cy, double size, Rgb colour);

// The colour of launch key k's light.
Rgb LaunchLight(int k);

// One key cap.
void KeyCap(Image& image, double left, double top, double right, double bottom, double radius);

struct KeyboardLook {
    bool lights = true;           // the launch keys' lights are on
    bool legends = false;         // print the key names and Internet key words (large scales only)
    int glow = 0;                 // 1 marks the Internet keys, 2 the launch keys
};

// A keyboard seen from above, its body's top left corner at (x, y), one key
// unit `unit` pixels; 24 units wide and 9 high. Whatever falls outside the
// image is cut off, so a large unit gives a close-up.
void Keyboard(Image& image, double x, double y, double unit, const KeyboardLook& look, const Language& language);
constexpr double kKeyboardWidthUnits = 24.0;
constexpr double kKeyboardHeightUnits = 9.0;
// Where, in units from the body's corner, the middle of the launch keys and of the Internet keys are.
constexpr Point kLaunchCentre{9.75, 1.25};
constexpr Point kInternetCentre{2.05, 1.05};

// Word-wraps text into at most two lines that fit width, first lowering pixels
// (down to 8) while a word alone is wider than width; returns the lines.
std::vector<std::string> Wrap(Face face, int& pixels, const std::string& text, int width, bool cjk);

}  // namespace picgen
