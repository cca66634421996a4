// The drawing function of every picture, grouped by the files that hold them.
#pragma once

#include "image.h"
#include "languages.h"

namespace picgen {

// drawings_pages.cpp: backgrounds, page strips and step numbers.
Image PageBackgroundPicture(int width, int height);
Image SummaryBackground(const Language&);
Image CustomizeBackground(const Language&);
Image Strip(int current);
Image StepNumber(int width, int height, int digit);

// drawings_keyboard.cpp: the keyboard pictures.
Image WelcomeKeyboard(const Language& language);
Image InternetKeys(const Language& language, bool on);
Image LaunchKeys(const Language& language, bool on);
Image SummaryKeyboard(const Language& language);

// drawings_print.cpp: the label strips and the printed instructions.
// The strip of the Print Label page: as it prints (white on black), or greyed.
Image LabelStrip(const Language& language, bool greyed);
Image Instructions(const Language&);

// drawings_summary.cpp: the Summary page's captions and the task bar pictures.
Image SummaryKeysCaption(const Language& language);
Image SummaryLumoraTitle(const Language& language);
Image TaskBar(const Language& language, int width, int height, bool iconShown, bool iconMarked);

}  // namespace picgen
