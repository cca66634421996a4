// The rules by which the Summary page chooses what to show: the value handed
// over in this run when there is one, else the stored value. The store is
// read through the given function only when it is needed.
#pragma once

#include "gdi_object.h"

#include <functional>

struct OsdPublished;
using StoredNumber = std::function<DWORD()>;

// A feature choice (1 on, 0 off, -1 not decided in this run): shown as on
// for 1, as the stored value (non-zero on) for -1, as off otherwise.
bool ChoiceShownOn(int choice, const StoredNumber& stored);

// The tray choice (1 show, 0 hide, -1 not set): shown for 1, as the stored
// "Hide" (0 shown) for -1, hidden otherwise.
bool TrayIconShown(int trayChoice, const StoredNumber& storedHide);

// The display colour: the published one, else the stored one, which is then
// published. Black chosen on the On-Screen Display page counts as chosen.
COLORREF DisplayColor(OsdPublished& published, const StoredNumber& storedColor);

// The point size of the size line: the published height in whole points, else the stored size.
int DisplayPointSize(const OsdPublished& published, const StoredNumber& storedSize);

// Makes the fallback example font from the stored face and "Height". A
// positive height is points; a negative one is the character height in
// pixels that Finish stores; nothing usable gives the default 28 points.
BOOL MakeFallbackFont(CFont& font, const char* face, DWORD storedHeight);
