// The Example font as the On-Screen Display page and the Summary make and
// show it.
#pragma once

#include "gdi_object.h"

// Remakes font as the Example font of face at pointSize: a LOGFONT that is
// zero but for the face and the height in tenths of a point, made for the
// screen. Returns the height in tenths.
int MakeExampleFont(CFont& font, const char* face, int pointSize);

// Shows face in the example static in font: hidden while its text and font
// change, so that its transparent background repaints when it shows again.
void ShowExampleText(HWND example, HFONT font, const char* face);
