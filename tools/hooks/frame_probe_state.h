// The probe library that a test loads into a running program, and the one
// block of shared memory, per probed process, through which the test asks it
// questions. Wine shows another process neither its GDI objects nor its
// cursor, fonts or sounds, and cannot switch high contrast on; the probe looks
// from inside and answers the program's high-contrast queries itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace frame_probe {

constexpr char kLibrary[] = "RavlenFrameProbe.dll";

// Each question names the export that answers it. An export takes the test's
// parameter and returns its answer; larger answers go into the block.

// Redirects the GDI imports of the program's own modules to counting
// wrappers. Answer: the import slots that lead to them.
constexpr char kInstallExport[] = "InstallObjectCounter";
// Fills Block::objects. Answer: 1.
constexpr char kCountExport[] = "CountObjects";
// Answer: the Cursor the system shows.
constexpr char kCursorExport[] = "CurrentCursor";
// The font of a control of the sheet's shown page; the parameter is the
// control id. Fills Block::font. Answer: a FontAnswer.
constexpr char kFontExport[] = "ShownPageControlFont";
// Redirects the program's PlaySoundA (and its look-up) to a counting wrapper.
// Answer: the import slots that lead to it.
constexpr char kInstallSoundExport[] = "InstallSoundCounter";
// Answer: the sounds played since the counter was installed.
constexpr char kSoundsExport[] = "SoundsPlayed";
// Whether COM is set up on the thread of the shown page, asked on that thread.
constexpr char kUiComExport[] = "UiThreadHasCom";
enum ComAnswer : DWORD { kComUnknown = 0, kComReady = 1, kComMissing = 2 };
// Records the WM_COMMAND messages the program's hidden frame is sent. Answer: 1.
constexpr char kWatchCommandsExport[] = "WatchFrameCommands";
// Answer: the wParam of the last command the frame was sent, or 0.
constexpr char kLastCommandExport[] = "LastFrameCommand";
constexpr char kFrameClass[] = "RavlenClass";
// Redirects SystemParametersInfoA and W in every module loaded by now, and
// answers SPI_GETHIGHCONTRAST from now on as the parameter, a HighContrast,
// says. Answer: the slots, SystemParametersInfoA's in the low word and
// SystemParametersInfoW's in the high word.
constexpr char kHighContrastExport[] = "AnswerHighContrast";
enum HighContrast : DWORD { kContrastOff = 0, kContrastOn = 1, kSystemContrast = 2 };

// A CBT hook procedure that a test sets for the whole desktop: in Ravlen.exe it
// refuses to create any top-level dialog window (the wizard's sheet) and
// signals the event below.
constexpr char kRefuseSheetProc[] = "RefuseWizardSheet";
constexpr char kSheetRefusedEvent[] = "Local\\RavlenSheetRefused";

enum Cursor : DWORD { kCursorUnknown = 0, kCursorHand = 1, kCursorArrow = 2, kCursorOther = 3 };
enum FontAnswer : DWORD { kNoPage = 0, kFontFound = 1, kNoControl = 2, kSystemFont = 3 };

// GDI objects made by the program's modules since the counter was installed
// and not yet deleted, by kind; and the USER objects that exist now.
struct ObjectCounts {
    std::int32_t fonts;
    std::int32_t bitmaps;
    std::int32_t memoryDcs;     // CreateCompatibleDC without DeleteDC
    std::int32_t windowDcs;     // GetDC/GetWindowDC without ReleaseDC
    std::int32_t openPaints;    // BeginPaint without EndPaint
    std::int32_t otherGdi;      // brushes, pens, regions
    std::int32_t created;       // every GDI object made since installation
    std::int32_t windows;       // the process's windows, top-level and child
    std::int32_t menus;         // menus (and their submenus) attached to them
    std::int32_t Gdi() const { return fonts + bitmaps + memoryDcs + windowDcs + openPaints + otherGdi; }
    std::int32_t User() const { return windows + menus; }
};

}  // namespace frame_probe

namespace text_probe {

// Every static text and button text (push buttons, check boxes, radio
// buttons, group boxes) of the shown page that its control cannot show.
// Fills Block::misfits. Answer: the number of texts measured, 0 with no page.
constexpr char kFitExport[] = "ShownPageTextFit";
// Whether a control's text on the shown page draws as glyphs; the parameter
// is the control id. Fills Block::glyphs. Answer: 1, 0 without the control.
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
    std::int32_t characters;     // characters drawn, blanks left out
    std::int32_t blank;          // drawn with no ink at all
    std::int32_t sameAsMissing;  // drawn as the font's missing-glyph box
    char face[LF_FACESIZE];
};

}  // namespace text_probe

namespace frame_probe {

constexpr std::uint32_t kMagic = 0x50465252;  // "RRFP"
// The answer when the probe has no such export.
constexpr DWORD kNoExport = 0xFFFFFFFF;

// The test makes the block and the two events before it loads the library,
// whose thread then serves them: the test writes a question and sets the
// request event; the thread answers and sets the answer event.
struct Block {
    std::uint32_t magic;
    volatile LONG serving;              // set by the probe's thread when it runs
    volatile std::uint32_t asked;       // the number of the question asked last
    volatile std::uint32_t answered;    // the number of the question answered last
    char request[64];                   // the export that answers
    std::uint64_t parameter;
    DWORD answer;
    ObjectCounts objects;
    LOGFONTA font;
    std::int32_t misfitCount;  // may exceed kMaxMisfits; the first ones are kept
    text_probe::Misfit misfits[text_probe::kMaxMisfits];
    text_probe::Glyphs glyphs;
};

// The names of the block and its events, by the probed process's id, so that
// a program left from another test can never answer.
inline std::string Name(DWORD processId, const char* what) {
    return "Local\\RavlenProbe." + std::to_string(processId) + "." + what;
}
constexpr char kBlockName[] = "Block";
constexpr char kRequestName[] = "Request";
constexpr char kAnswerName[] = "Answer";

}  // namespace frame_probe
