// What the text probe exports of the frame probe library tell a test about
// the texts of the wizard's shown page, measured inside the program with the
// fonts the controls draw with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace text_probe {

// Every static text of the shown page that its control cannot show. Fills
// Section::misfits. Exit code: the number of statics measured, 0 with no page.
constexpr char kFitExport[] = "ShownPageTextFit";
// Whether a control's text on the shown page draws as glyphs; the thread
// parameter is the control id. Fills Section::glyphs. Exit code 1, 0 when
// there is no such control.
constexpr char kGlyphsExport[] = "ShownPageGlyphs";

constexpr int kMaxMisfits = 32;

struct Misfit {
    std::int32_t id;
    std::int32_t neededWidth;   // the widest line, in pixels
    std::int32_t neededLines;   // with the static's word breaks
    std::int32_t lineHeight;
    std::int32_t width;         // the control's client area
    std::int32_t height;
    char text[128];
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
