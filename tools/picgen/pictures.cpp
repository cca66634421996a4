#include "pictures.h"

#include "palette.h"

#include <algorithm>
#include <array>

namespace picgen {

namespace {

using namespace colour;

// ---- Shared geometry (pixels of a page's client area at the reference dialog
// base units 6 x 13, where one horizontal dialog unit is 1.5 pixels and one
// vertical unit 1.625 pixels).

// The title band holds the title 1038 (dialog units y 6 to 24, pixels 9 to 39).
constexpr int kBandHeight = 42;
constexpr int kBandEdgeHeight = 2;

// Strip pictures (516 x 30, at dialog units x 25): the circle centres stand over
// the centres of the six Tab strip labels (dialog units x 12, 73, 139, 200, 265,
// 327, each 51 wide), taken into the strip's own pixels.
constexpr std::array<int, 6> kStripCentres = {20, 111, 210, 302, 399, 492};
constexpr int kStripCentreY = 15;
constexpr int kStripRadius = 11;

// The seven key hot spots of the Customize Keys page, in page pixels.
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
// Where the key row pictures 1124 to 1131 stand on that page: dialog units
// (131, 90), in pixels.
constexpr int kKeyRowLeft = 197;
constexpr int kKeyRowTop = 146;

// ---- Helpers

Canvas Blank(int width, int height, std::uint8_t background = kWhite) {
    return Canvas(width, height, Palette(), background);
}

// The generic placeholder: a light neutral fill with a thin border.
Canvas Panel(int width, int height) {
    Canvas canvas = Blank(width, height, kPanel);
    canvas.FrameRect(0, 0, width, height, kBorder);
    return canvas;
}

// A page background: white, with the dark title band at the top.
Canvas PageBackground(int width, int height) {
    Canvas canvas = Blank(width, height);
    canvas.FillRect(0, 0, width, kBandHeight, kBand);
    canvas.FillRect(0, kBandHeight, width, kBandHeight + kBandEdgeHeight, kBandEdge);
    return canvas;
}

// Faded copy of a drawing, for the "off" pictures.
void Fade(Canvas& canvas) {
    std::vector<std::uint8_t> map(Palette().size());
    for (size_t i = 0; i < map.size(); ++i) map[i] = static_cast<std::uint8_t>(i);
    for (std::uint8_t dark : {kBlack, kBand, kBandEdge, kAccent, kDots, kDark, kRed}) map[dark] = kFaded;
    for (std::uint8_t bright : {kGreen, kSoftBlue, kOrange, kSilver, kBorder}) map[bright] = kPale;
    canvas.Remap(map);
}

void Key(Canvas& canvas, Box key, std::uint8_t face = kWhite) {
    canvas.FillRect(key.left, key.top, key.right, key.bottom, face);
    canvas.FrameRect(key.left, key.top, key.right, key.bottom, kDark);
    canvas.FrameRect(key.left + 3, key.top + 3, key.right - 3, key.bottom - 3, kPale);
}

// A keyboard seen from above: body, five rows of keys and a space bar. Returns
// the box of the body's top strip above the keys, where the extra keys sit.
Box Keyboard(Canvas& canvas, Box body) {
    canvas.FillRect(body.left, body.top, body.right, body.bottom, kPale);
    canvas.FrameRect(body.left, body.top, body.right, body.bottom, kDark, 2);
    const int width = body.right - body.left;
    const int height = body.bottom - body.top;
    const int margin = std::max(4, width / 40);
    const Box keys = {body.left + margin, body.top + height / 3, body.right - margin, body.bottom - margin};
    const int rows = 5;
    const int columns = 15;
    const int pitchX = (keys.right - keys.left) / columns;
    const int pitchY = (keys.bottom - keys.top) / rows;
    const int gap = std::max(1, pitchX / 6);
    for (int row = 0; row < rows; ++row) {
        const int top = keys.top + row * pitchY;
        if (row == rows - 1) {
            // Bottom row: modifiers at the ends and the space bar between.
            for (int column : {0, 1, 2, 12, 13, 14}) {
                const int left = keys.left + column * pitchX;
                canvas.FillRect(left, top, left + pitchX - gap, top + pitchY - gap, kWhite);
                canvas.FrameRect(left, top, left + pitchX - gap, top + pitchY - gap, kDots);
            }
            const int left = keys.left + 3 * pitchX;
            canvas.FillRect(left, top, left + 9 * pitchX - gap, top + pitchY - gap, kWhite);
            canvas.FrameRect(left, top, left + 9 * pitchX - gap, top + pitchY - gap, kDots);
            continue;
        }
        for (int column = 0; column < columns; ++column) {
            const int left = keys.left + column * pitchX;
            canvas.FillRect(left, top, left + pitchX - gap, top + pitchY - gap, kWhite);
            canvas.FrameRect(left, top, left + pitchX - gap, top + pitchY - gap, kDots);
        }
    }
    return {body.left + margin, body.top + margin, body.right - margin, keys.top - margin};
}

// Seven launch keys in a row inside box, each with a light above it when lit.
void LaunchKeys(Canvas& canvas, Box row, bool lights) {
    const int pitch = (row.right - row.left) / 7;
    const int gap = std::max(2, pitch / 5);
    const int lightSpace = lights ? std::max(4, (row.bottom - row.top) / 4) : 0;
    for (int k = 0; k < 7; ++k) {
        const int left = row.left + k * pitch + gap / 2;
        const Box key = {left, row.top + lightSpace, left + pitch - gap, row.bottom};
        Key(canvas, key, kSoftBlue);
        if (lights) {
            canvas.Disc((key.left + key.right) / 2, row.top + lightSpace / 2, std::max(1, lightSpace / 3), kOrange);
        }
    }
}

// The two Internet Navigation keys, with their back and forward arrows.
void InternetKeys(Canvas& canvas, Box row) {
    const int width = (row.right - row.left) / 2;
    for (int k = 0; k < 2; ++k) {
        const Box key = {row.left + k * width + 2, row.top, row.left + (k + 1) * width - 2, row.bottom};
        Key(canvas, key, kSoftBlue);
        const int cx = (key.left + key.right) / 2;
        const int cy = (key.top + key.bottom) / 2;
        const int arm = std::max(2, std::min(key.right - key.left, key.bottom - key.top) / 4);
        const int tip = k == 0 ? cx - arm : cx + arm;
        const int tail = k == 0 ? cx + arm : cx - arm;
        canvas.Line(tail, cy, tip, cy, kAccent);
        canvas.Line(tip, cy, (tip + cx) / 2, cy - arm / 2, kAccent);
        canvas.Line(tip, cy, (tip + cx) / 2, cy + arm / 2, kAccent);
    }
}

// A strip picture: six circles joined by dotted lines, current (0 to 5) filled;
// -1 fills none.
Canvas Strip(int current) {
    Canvas canvas = Blank(516, 30);
    for (size_t i = 0; i + 1 < kStripCentres.size(); ++i) {
        canvas.DottedLine(kStripCentres[i] + kStripRadius + 4, kStripCentreY,
                          kStripCentres[i + 1] - kStripRadius - 4, kStripCentreY, kDots);
    }
    for (int i = 0; i < 6; ++i) {
        const int cx = kStripCentres[i];
        const bool filled = i == current;
        canvas.Disc(cx, kStripCentreY, kStripRadius, filled ? kAccent : kWhite);
        canvas.Circle(cx, kStripCentreY, kStripRadius, filled ? kAccent : kBand, 2);
        canvas.Digit(cx - Canvas::DigitWidth() / 2, kStripCentreY - Canvas::DigitHeight() / 2, i + 1,
                     filled ? kWhite : kBand);
    }
    return canvas;
}

// The key row of the Customize Keys page (507 x 59): the seven keys where the
// page's key hot spots are, with key `marked` (0 to 6) lit and framed in red;
// -1 marks none. (The frame stays inside the picture even for key 7, which a
// ring around the key would not.)
Canvas KeyRow(int marked) {
    Canvas canvas = Blank(507, 59);
    for (int k = 0; k < 7; ++k) {
        const Box& hot = kKeyHotSpots[k];
        const Box key = {hot.left - kKeyRowLeft, hot.top - kKeyRowTop, hot.right - kKeyRowLeft,
                         hot.bottom - kKeyRowTop};
        Key(canvas, key, k == marked ? kSoftBlue : kWhite);
        if (k == marked) canvas.FrameRect(key.left - 4, key.top - 4, key.right + 4, key.bottom + 4, kRed, 2);
    }
    return canvas;
}

// A step number of the Customize Keys page: a filled circle with the digit.
Canvas StepNumber(int width, int height, int digit) {
    Canvas canvas = Blank(width, height);
    const int cx = width / 2;
    const int cy = height / 2;
    canvas.Disc(cx, cy, std::min(width, height) / 2 - 1, kAccent);
    canvas.Digit(cx - Canvas::DigitWidth() / 2, cy - Canvas::DigitHeight() / 2, digit, kWhite);
    return canvas;
}

// A label strip: seven cells for the key names, each name drawn as a bar.
Canvas LabelStrip(int width, int height, bool whiteOnBlack) {
    const std::uint8_t ground = whiteOnBlack ? kBlack : kWhite;
    const std::uint8_t ink = whiteOnBlack ? kWhite : kBlack;
    Canvas canvas = Blank(width, height, ground);
    canvas.FrameRect(0, 0, width, height, kDots);
    const int pitch = width / 7;
    for (int k = 0; k < 7; ++k) {
        const int left = k * pitch;
        if (k > 0) canvas.DottedLine(left, 2, left, height - 3, kDots);
        canvas.FillRect(left + pitch / 4, height / 2 - 2, left + pitch - pitch / 4, height / 2 + 2, ink);
    }
    return canvas;
}

// The task bar's notification area, with the wizard's keyboard icon or without it.
Canvas TaskBar(int width, int height, bool iconShown, bool iconMarked) {
    Canvas canvas = Blank(width, height, kSilver);
    canvas.FillRect(0, 0, width, 1, kWhite);
    const Box tray = {width / 3, 5, width - 4, height - 5};
    canvas.FrameRect(tray.left, tray.top, tray.right, tray.bottom, kDots);
    // The clock: "12 00" in the tray's right end.
    const int digitsLeft = tray.right - 4 - 4 * (Canvas::DigitWidth() + 1) - 3;
    const int digitsTop = (height - Canvas::DigitHeight()) / 2;
    int x = digitsLeft;
    for (int digit : {1, 2, 0, 0}) {
        canvas.Digit(x, digitsTop, digit, kDark);
        x += Canvas::DigitWidth() + 1;
        if (x == digitsLeft + 2 * (Canvas::DigitWidth() + 1)) {
            canvas.Set(x, digitsTop + 2, kDark);
            canvas.Set(x, digitsTop + 4, kDark);
            x += 3;
        }
    }
    if (iconShown) {
        const int cx = tray.left + 14;
        const int cy = height / 2;
        canvas.FillRect(cx - 7, cy - 4, cx + 8, cy + 5, kDark);
        for (int column = 0; column < 5; ++column) {
            canvas.Set(cx - 5 + column * 3, cy - 2, kWhite);
            canvas.Set(cx - 5 + column * 3, cy, kWhite);
        }
        canvas.FillRect(cx - 3, cy + 2, cx + 4, cy + 3, kWhite);
        if (iconMarked) canvas.Circle(cx, cy, std::min(12, height / 2 - 1), kRed, 2);
    }
    return canvas;
}

// ---- One function per picture

Canvas SheetWidth131() { return PageBackground(719, 448); }
Canvas PageBackground190() { return PageBackground(716, 550); }
Canvas SummaryBackground213() { return PageBackground(716, 517); }

Canvas CustomizeBackground142() {
    Canvas canvas = PageBackground(719, 496);
    // The key row lies under the key pictures, so that the page shows it with none of them.
    for (const Box& hot : kKeyHotSpots) Key(canvas, hot);
    return canvas;
}

Canvas Instructions147() {
    const int width = 582;
    const int height = 732;
    Canvas canvas = Blank(width, height);
    canvas.FrameRect(0, 0, width, height, kBorder);
    // The label strip, and where it goes on the keyboard.
    const Box label = {60, 50, width - 60, 100};
    Canvas strip = LabelStrip(label.right - label.left, label.bottom - label.top, false);
    for (int y = 0; y < strip.Height(); ++y) {
        for (int x = 0; x < strip.Width(); ++x) canvas.Set(label.left + x, label.top + y, strip.At(x, y));
    }
    const Box top = Keyboard(canvas, {40, 180, width - 40, 440});
    LaunchKeys(canvas, {top.left + 60, top.top, top.right - 60, top.bottom}, false);
    canvas.DottedLine(width / 2, label.bottom + 8, width / 2, top.top - 8, kAccent, 4, 4);
    // Lines of instruction text, drawn as bars.
    for (int line = 0; line < 8; ++line) {
        const int y = 490 + line * 26;
        canvas.FillRect(60, y, line % 3 == 2 ? width / 2 : width - 60, y + 8, kFaded);
    }
    return canvas;
}

Canvas StripWelcome178() { return Strip(-1); }
Canvas StripInternetNav183() { return Strip(0); }
Canvas StripLumora184() { return Strip(1); }
Canvas StripCustomizeKeys185() { return Strip(2); }
Canvas StripPrintLabel186() { return Strip(3); }
Canvas StripOsd187() { return Strip(4); }
Canvas StripSummary188() { return Strip(5); }

Canvas WelcomePicture176() {
    Canvas canvas = Panel(333, 193);
    const Box top = Keyboard(canvas, {16, 30, 317, 170});
    LaunchKeys(canvas, {top.left + 40, top.top, top.right - 40, top.bottom}, true);
    return canvas;
}

Canvas InavOn189() {
    Canvas canvas = Panel(350, 212);
    const Box top = Keyboard(canvas, {16, 24, 334, 188});
    InternetKeys(canvas, {top.left, top.top, top.left + 70, top.bottom});
    return canvas;
}

Canvas InavOff211() {
    Canvas canvas = InavOn189();
    Fade(canvas);
    return canvas;
}

Canvas LumoraOn203() {
    Canvas canvas = Panel(414, 270);
    const Box top = Keyboard(canvas, {16, 30, 398, 240});
    LaunchKeys(canvas, {top.left + 40, top.top, top.right - 40, top.bottom}, true);
    return canvas;
}

Canvas LumoraOff204() {
    Canvas canvas = LumoraOn203();
    Fade(canvas);
    return canvas;
}

Canvas KeysNone191() { return KeyRow(-1); }
Canvas Keys1_197() { return KeyRow(0); }
Canvas Keys2_205() { return KeyRow(1); }
Canvas Keys3_206() { return KeyRow(2); }
Canvas Keys4_207() { return KeyRow(3); }
Canvas Keys5_208() { return KeyRow(4); }
Canvas Keys6_209() { return KeyRow(5); }
Canvas Keys7_210() { return KeyRow(6); }

Canvas Step1_192() { return StepNumber(18, 16, 1); }
Canvas Step2_193() { return StepNumber(17, 17, 2); }
Canvas Step3_194() { return StepNumber(18, 18, 3); }
Canvas Step4_195() { return StepNumber(18, 16, 4); }

Canvas LabelWhiteOnBlack201() { return LabelStrip(545, 40, true); }

Canvas LabelBlackOnWhite202() {
    // Shown while no label is to be printed: the strip greyed.
    Canvas canvas = LabelStrip(545, 40, false);
    Fade(canvas);
    return canvas;
}

Canvas SummaryKeyboard198() {
    Canvas canvas = Panel(390, 213);
    const Box top = Keyboard(canvas, {14, 20, 376, 196});
    InternetKeys(canvas, {top.left, top.top, top.left + 50, top.bottom});
    LaunchKeys(canvas, {top.left + 80, top.top, top.right - 20, top.bottom}, true);
    return canvas;
}

Canvas SummaryKeys199() {
    Canvas canvas = Panel(117, 51);
    LaunchKeys(canvas, {6, 8, 111, 43}, true);
    return canvas;
}

Canvas SummaryInav200() {
    Canvas canvas = Panel(116, 35);
    InternetKeys(canvas, {28, 6, 88, 29});
    return canvas;
}

Canvas SummaryTray216() { return TaskBar(108, 38, true, true); }
Canvas TrayHidden143() { return TaskBar(234, 40, false, false); }
Canvas TrayShown215() { return TaskBar(234, 40, true, false); }

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

const std::vector<Picture>& Pictures() {
    static const std::vector<Picture> pictures = {
        // Page backgrounds and the never-drawn sheet width picture.
        {131, "sheet_width.bmp", 719, 448, 8, Compression::None, SheetWidth131},
        {190, "page_background.bmp", 716, 550, 8, Compression::None, PageBackground190},
        {213, "summary_background.bmp", 716, 517, 8, Compression::None, SummaryBackground213},
        {142, "customize_background.bmp", 719, 496, 8, Compression::None, CustomizeBackground142},
        // The printed label's instruction picture.
        {147, "instructions.bmp", 582, 732, 8, Compression::Rle8, Instructions147},
        // Strip pictures of the page frame.
        {178, "strip_welcome.bmp", 516, 30, 8, Compression::None, StripWelcome178},
        {183, "strip_internet_nav.bmp", 516, 30, 8, Compression::None, StripInternetNav183},
        {184, "strip_lumora.bmp", 516, 30, 8, Compression::None, StripLumora184},
        {185, "strip_customize_keys.bmp", 516, 30, 8, Compression::None, StripCustomizeKeys185},
        {186, "strip_print_label.bmp", 516, 30, 8, Compression::None, StripPrintLabel186},
        {187, "strip_osd.bmp", 516, 30, 8, Compression::None, StripOsd187},
        {188, "strip_summary.bmp", 516, 30, 8, Compression::None, StripSummary188},
        // Welcome, Internet Navigation and Lumora Keys pages.
        {176, "welcome_picture.bmp", 333, 193, 8, Compression::None, WelcomePicture176},
        {189, "inav_on.bmp", 350, 212, 8, Compression::None, InavOn189},
        {211, "inav_off.bmp", 350, 212, 8, Compression::None, InavOff211},
        {203, "lumora_on.bmp", 414, 270, 8, Compression::None, LumoraOn203},
        {204, "lumora_off.bmp", 414, 270, 8, Compression::None, LumoraOff204},
        // Customize Keys page.
        {191, "keys_none.bmp", 507, 59, 8, Compression::None, KeysNone191},
        {197, "keys_1.bmp", 507, 59, 8, Compression::None, Keys1_197},
        {205, "keys_2.bmp", 507, 59, 8, Compression::None, Keys2_205},
        {206, "keys_3.bmp", 507, 59, 8, Compression::None, Keys3_206},
        {207, "keys_4.bmp", 507, 59, 8, Compression::None, Keys4_207},
        {208, "keys_5.bmp", 507, 59, 8, Compression::None, Keys5_208},
        {209, "keys_6.bmp", 507, 59, 8, Compression::None, Keys6_209},
        {210, "keys_7.bmp", 507, 59, 8, Compression::None, Keys7_210},
        {192, "step_1.bmp", 18, 16, 8, Compression::None, Step1_192},
        {193, "step_2.bmp", 17, 17, 8, Compression::None, Step2_193},
        {194, "step_3.bmp", 18, 18, 8, Compression::None, Step3_194},
        {195, "step_4.bmp", 18, 16, 8, Compression::None, Step4_195},
        // Print Label page.
        {201, "label_white_on_black.bmp", 545, 40, 8, Compression::None, LabelWhiteOnBlack201},
        {202, "label_black_on_white.bmp", 545, 40, 8, Compression::None, LabelBlackOnWhite202},
        // Summary page.
        {198, "summary_keyboard.bmp", 390, 213, 8, Compression::None, SummaryKeyboard198},
        {199, "summary_keys.bmp", 117, 51, 8, Compression::None, SummaryKeys199},
        {200, "summary_inav.bmp", 116, 35, 4, Compression::None, SummaryInav200},
        {216, "summary_tray.bmp", 108, 38, 8, Compression::None, SummaryTray216},
        // On-Screen Display page.
        {143, "tray_hidden.bmp", 234, 40, 8, Compression::None, TrayHidden143},
        {215, "tray_shown.bmp", 234, 40, 8, Compression::None, TrayShown215},
    };
    return pictures;
}

const std::vector<Icon>& Icons() {
    static const std::vector<Icon> icons = {
        {128, "ravlen.ico", 32, colour::kPanel, MainFrameIcon128},
        {151, "hand.cur", 32, colour::kPanel, HandCursor151, true, 12, 4},
    };
    return icons;
}

}  // namespace picgen
