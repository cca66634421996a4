// What the text probe exports of the frame probe library tell a test about
// the texts of the wizard's shown page, measured inside the program with the
// fonts the controls draw with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace text_probe {

// Every static text and every button text (push buttons, check boxes, radio
// buttons, group boxes) of the shown page that its control cannot show. Fills
// Section::misfits. Exit code: the number of texts measured, 0 with no page.
constexpr char kFitExport[] = "ShownPageTextFit";
// Whether a control's text on the shown page draws as glyphs; the thread
// parameter is the control id. Fills Section::glyphs. Exit code 1, 0 when
// there is no such control.
constexpr char kGlyphsExport[] = "ShownPageGlyphs";

constexpr int kMaxMisfits = 32;

enum Kind : std::int32_t { kStatic, kPushButton, kCheckBox, kRadioButton, kGroupBox };

struct Misfit {
    std::int32_t id;
    Kind kind;
    std::int32_t neededWidth;   // the widest line, in pixels
    std::int32_t neededLines;   // with the control's word breaks
    std::int32_t lineHeight;
    std::int32_t width;         // the room the control gives its text
    std::int32_t height;
    std::int32_t controlWidth;  // the control's client area
    char text[160];             // UTF-8, cut short when longer
    char face[LF_FACESIZE];
};

struct Glyphs {
    std::int32_t characters;        // characters drawn, blanks left out
    std::int32_t blank;             // drawn with no ink at all
    std::int32_t sameAsMissing;     // drawn as the font's missing-glyph box
    char face[LF_FACESIZE];
};

constexpr char kSectionName[] = "Local\\RavlenTextProbe";
constexpr std::uint32_t kMagic = 0x50545252;  // "RRTP"

struct Section {
    std::uint32_t magic;
    std::int32_t misfitCount;  // may exceed kMaxMisfits; the first ones are kept
    Misfit misfits[kMaxMisfits];
    Glyphs glyphs;
};

}  // namespace text_probe
