// What the frame probe library, loaded into a running wizard by a test, tells
// the test: the exports it runs there and the shared section they answer in.
// Wine cannot show another process's GDI object counts, cursor or fonts, so
// the probe looks from inside.
#pragma once

#include <windows.h>

#include <cstdint>

namespace frame_probe {

constexpr char kLibrary[] = "RavlenFrameProbe.dll";

// Redirects the GDI imports of the program's own modules to counting
// wrappers. Exit code: the number of import slots that lead to them.
constexpr char kInstallExport[] = "InstallObjectCounter";
// Fills Section::objects. Exit code 1.
constexpr char kCountExport[] = "CountObjects";
// Which cursor the system shows. Exit code: a Cursor value.
constexpr char kCursorExport[] = "CurrentCursor";
// The font of a control of the sheet's shown page; the thread parameter is
// the control id. Fills Section::font. Exit code: a FontAnswer value.
constexpr char kFontExport[] = "ShownPageControlFont";

// Redirects the program's PlaySoundA to a counting wrapper. Exit code: the
// import slots that lead to it.
constexpr char kInstallSoundExport[] = "InstallSoundCounter";
// Exit code: the sounds played since the counter was installed.
constexpr char kSoundsExport[] = "SoundsPlayed";
// Whether COM is set up on the thread of the sheet's shown page, asked on
// that thread itself. Exit code: a ComAnswer value.
constexpr char kUiComExport[] = "UiThreadHasCom";
enum ComAnswer : DWORD { kComUnknown = 0, kComReady = 1, kComMissing = 2 };

// Records the WM_COMMAND messages that the program's hidden frame is sent.
// Exit code 1 when the recorder is in place.
constexpr char kWatchCommandsExport[] = "WatchFrameCommands";
// Exit code: the wParam of the last command the frame was sent, or 0.
constexpr char kLastCommandExport[] = "LastFrameCommand";
constexpr char kFrameClass[] = "RavlenClass";

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

constexpr char kSectionName[] = "Local\\RavlenFrameProbe";
constexpr std::uint32_t kMagic = 0x50465252;  // "RRFP"

struct Section {
    std::uint32_t magic;
    ObjectCounts objects;
    LOGFONTA font;
};

}  // namespace frame_probe
