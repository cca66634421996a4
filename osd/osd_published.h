// What the On-Screen Display page hands over to the rest of the wizard: the
// Example font made from the user's choice, its height, its colour and the
// tray choice. The Summary page shows them, and reads the store for whatever
// is not handed over yet.
#pragma once

#include "gdi_object.h"

struct OsdPublished {
    CFont* exampleFont = nullptr;  // none until the page has made one
    int exampleHeight = 0;         // tenths of a point; 0 not published
    COLORREF exampleColor = 0;     // 0 not published
    int trayChoice = -1;           // 1 show the icon, 0 hide it, -1 not set
};

extern OsdPublished g_osd;

// The one Example font object: made on first use, kept until the program ends.
CFont& ExampleFont();

// Remakes font as the Example font of face at pointSize: a LOGFONT that is
// zero but for the face and the height in tenths of a point, made for the
// screen. Returns the height in tenths.
int MakeExampleFont(CFont& font, const char* face, int pointSize);

// Shows face in the example static in font: hidden while its text and font
// change, so that its transparent background repaints when it shows again.
void ShowExampleText(HWND example, HFONT font, const char* face);
