#include "art.h"
#include "drawings.h"

namespace picgen {

Image WelcomeKeyboard(const Language& language) {
    Image image(333, 193, ink::kWhite);
    // The keyboard fills the width, a little tilted look given by the shadow only.
    const double unit = 320.0 / kKeyboardWidthUnits;
    Keyboard(image, 6, (193 - kKeyboardHeightUnits * unit) / 2, unit, {}, language);
    return image;
}

// A close-up of the keyboard's top left corner: the two Internet keys with their words.
Image InternetKeys(const Language& language, bool on) {
    Image image(350, 212, ink::kWhite);
    const double unit = 92;
    KeyboardLook look;
    look.legends = true;
    look.glow = on ? 1 : 0;
    Keyboard(image, 175 - kInternetCentre.x * unit, 112 - kInternetCentre.y * unit, unit, look, language);
    if (!on) image.Fade();
    return image;
}

// A close-up of the label slot and the seven launch keys with their lights.
Image LaunchKeys(const Language& language, bool on) {
    Image image(414, 270, ink::kWhite);
    const double unit = 40;
    KeyboardLook look;
    look.legends = true;
    look.lights = on;
    look.glow = on ? 2 : 0;
    Keyboard(image, 207 - kLaunchCentre.x * unit, 118 - kLaunchCentre.y * unit, unit, look, language);
    if (!on) image.Fade();
    return image;
}

Image SummaryKeyboard(const Language& language) {
    Image image(390, 213, ink::kWhite);
    const double unit = 376.0 / kKeyboardWidthUnits;
    KeyboardLook look;
    look.glow = 2;
    Keyboard(image, 7, (213 - kKeyboardHeightUnits * unit) / 2, unit, look, language);
    return image;
}

}  // namespace picgen
