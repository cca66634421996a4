#include "summary_values.h"

#include "wizard_state.h"

namespace {

constexpr int kDefaultPoints = 28;
// Heights beyond these are not a display font but a damaged value.
constexpr int kMaxPoints = 1000;
constexpr int kMaxPixels = 2000;

}  // namespace

bool ChoiceShownOn(int choice, const StoredNumber& stored) {
    if (choice == -1) return stored() != 0;
    return choice == 1;
}

bool TrayIconShown(int trayChoice, const StoredNumber& storedHide) {
    if (trayChoice == -1) return storedHide() == 0;
    return trayChoice == 1;
}

COLORREF DisplayColor(OsdPublished& published, const StoredNumber& storedColor) {
    // Once the page has made its Example font it has published its colour
    // too, so a published 0 is black chosen by the user, shown as black (the
    // display will be black), not as whatever the store held before.
    if (published.exampleFont || published.exampleColor != 0) return published.exampleColor;
    published.exampleColor = storedColor();
    return published.exampleColor;
}

int DisplayPointSize(const OsdPublished& published, const StoredNumber& storedSize) {
    if (published.exampleHeight != 0) return published.exampleHeight / 10;
    return static_cast<int>(storedSize());
}

BOOL MakeFallbackFont(CFont& font, const char* face, DWORD storedHeight) {
    LOGFONTA wanted = {};
    lstrcpynA(wanted.lfFaceName, face ? face : "", LF_FACESIZE);
    const int height = static_cast<int>(storedHeight);
    // Finish stores the Example font's own height, negative pixels of the
    // screen; read as points it would be nothing, and read as its size it
    // gives back the very font the display uses.
    if (height < 0 && height >= -kMaxPixels) {
        wanted.lfHeight = height;
        return font.CreateFontIndirect(wanted);
    }
    wanted.lfHeight = (height > 0 && height <= kMaxPoints ? height : kDefaultPoints) * 10;
    return font.CreatePointFontIndirect(wanted);
}
