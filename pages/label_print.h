// The printed key label: a strip with the names of the seven Lumora Keys,
// to cut off the sheet, fold along its middle and push into the keyboard,
// above a picture that shows how. Drawn in MM_LOMETRIC (0.1 mm, y upward,
// origin at the top-left corner of the printable area).
#pragma once

#include "key_assignment.h"

#include <windows.h>

namespace label {

// The colour styles, as the Print Label page's style radios number them.
constexpr int kWhiteOnBlack = 0;
constexpr int kBlackOnWhite = 1;

// The box the name of key (0 to 6) is drawn into: each box starts 250 units
// right of the one before and is 5 units wider.
RECT KeyBox(int key);

}  // namespace label

// The instruction picture (bitmap 147), 5 mm below the top of the printable
// area, scaled to fill its width (or its height, on wide paper). Without the
// bitmap it draws nothing.
void DrawInstructionPicture(HDC printer);

// The strip, its fold line and the seven names (key 1 first) in the style's
// colours with font, on a DC already in MM_LOMETRIC. A key without a name
// leaves its box blank.
void DrawLabelStrip(HDC dc, int style, HFONT font, const KeyAssignment (&keys)[kKeyCount]);
