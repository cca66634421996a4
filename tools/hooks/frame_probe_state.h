// The one protocol between a test and the probe library it loads into a
// running program. Wine shows another process neither its GDI objects nor its
// cursor, fonts or sounds, and cannot switch high contrast on; the probe looks
// from inside and answers the program's high-contrast queries itself.
//
// The test makes one block of shared memory and two events per probed process
// before it brings the library in, whose thread then serves them: the test writes
// the name of an export and its parameter and sets the request event; the
// thread runs the export and sets the answer event. Larger answers go into the
// block.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace text_probe {

// The static and button texts of the shown page that their controls cannot
// show. Fills Block::misfits. Answer: the number of texts measured, 0 with no page.
constexpr char kFitExport[] = "ShownPageTextFit";
// How a control's text on the shown page draws; the parameter is the control
// id. Fills Block::glyphs. Answer: 1, 0 without the control.
constexpr char kGlyphsExport[] = "ShownPageGlyphs";

constexpr int kMaxMisfits = 32;

struct Misfit {
    char description[256];  // UTF-8: the control, its text and face, the room it needs and has
};

struct Glyphs {
    std::int32_t characters;     // characters drawn, blanks left out
    std::int32_t blank;          // drawn with no ink at all
    std::int32_t sameAsMissing;  // drawn as the font's missing-glyph box
    char face[LF_FACESIZE];
};

}  // namespace text_probe

namespace frame_probe {

constexpr char kLibrary[] = "RavlenFrameProbe.dll";

// Redirects the GDI imports of the program's own modules to counting
// wrappers. Answer: the import slots that lead to them.
constexpr char kInstallExport[] = "InstallObjectCounter";
// Fills Block::objects. Answer: 1.
constexpr char kCountExport[] = "CountObjects";
// Answer: the Cursor the system shows.
constexpr char kCursorExport[] = "CurrentCursor";
enum Cursor : DWORD { kCursorUnknown = 0, kCursorHand = 1, kCursorArrow = 2, kCursorOther = 3 };
// The font of a shown page's control; the parameter is the control id.
// Fills Block::font. Answer: 1, 0 without the control or with the system font.
constexpr char kFontExport[] = "ShownPageControlFont";
// Redirects the program's PlaySoundA (and its look-up) to a counting wrapper.
// Answer: the import slots that lead to it.
constexpr char kInstallSoundExport[] = "InstallSoundCounter";
// Answer: the sounds played since the counter was installed.
constexpr char kSoundsExport[] = "SoundsPlayed";
// The shown page's dialog base units: the pixels of 4 horizontal dialog units
// in the low word, of 8 vertical ones in the high word; 0 with no page.
constexpr char kBaseUnitsExport[] = "ShownPageBaseUnits";
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
// says. Answer: SystemParametersInfoA's slots in the low word, W's in the high.
constexpr char kHighContrastExport[] = "AnswerHighContrast";
enum HighContrast : DWORD { kContrastOff = 0, kContrastOn = 1, kSystemContrast = 2 };
// The answer when the probe has no such export.
constexpr DWORD kNoExport = 0xFFFFFFFF;

// A message hook procedure that does nothing: a test sets it on a thread of
// the program to bring the library in.
constexpr char kLoadProc[] = "BringProbeIn";
// A CBT hook procedure that a test sets for the whole desktop: in Ravlen.exe it
// refuses to create any top-level dialog window (the wizard's sheet) and
// signals the event below.
constexpr char kRefuseSheetProc[] = "RefuseWizardSheet";
constexpr char kSheetRefusedEvent[] = "Local\\RavlenSheetRefused";

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

struct Block {
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

// The block is "Block", the events "Request" and "Answer", named by the
// probed process's id, so that a program left from another test never answers.
inline std::string Name(DWORD processId, const char* what) {
    return "Local\\RavlenProbe." + std::to_string(processId) + "." + what;
}

}  // namespace frame_probe
