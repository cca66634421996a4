// A look from inside a running program through the probe library (its
// protocol is in ../hooks/frame_probe_state.h).
#pragma once

#include "../hooks/frame_probe_state.h"
#include "unique_handle.h"

#include <optional>
#include <string>
#include <vector>

namespace driver {

class FrameProbe {
public:
    FrameProbe() = default;
    ~FrameProbe() { UnmapViewOfFile(block_); }
    FrameProbe(const FrameProbe&) = delete;
    FrameProbe& operator=(const FrameProbe&) = delete;

    // Brings the probe into the running process (once; a second probe of the
    // same process shares it) and waits for its thread; reports a failure
    // "cannot hook process <id>: ..." when it cannot.
    bool Attach(DWORD processId);
    bool Alive() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    // From now on counts the GDI objects the program's modules make and delete.
    bool CountObjects() { return Installed(frame_probe::kInstallExport); }
    // The objects held now (GDI ones since CountObjects).
    std::optional<frame_probe::ObjectCounts> Objects();
    // From now on counts the sounds the program plays.
    bool CountSounds() { return Installed(frame_probe::kInstallSoundExport); }
    std::optional<DWORD> SoundsPlayed() { return Run(frame_probe::kSoundsExport); }
    frame_probe::Cursor Cursor();
    // The font of control id on the sheet's shown page; nothing (with a
    // failure) when the control is missing or uses the system font.
    std::optional<LOGFONTA> ControlFont(int id);
    // Asks the probe the question its export exportName answers; nothing
    // (with a failure) when the probe is not loaded or does not answer in time.
    std::optional<DWORD> Run(const char* exportName, UINT_PTR parameter = 0);
    // The same without a failure, waiting up to timeoutMs.
    std::optional<DWORD> Ask(const char* exportName, UINT_PTR parameter, DWORD timeoutMs);
    const frame_probe::Block& Answers() const { return *block_; }

private:
    bool Installed(const char* exportName);

    UniqueHandle process_;
    UniqueHandle section_;
    UniqueHandle request_;
    UniqueHandle answer_;
    frame_probe::Block* block_ = nullptr;
};

// The texts of the wizard's shown page as the program draws them.
class TextProbe {
public:
    // probe must be attached to the wizard and outlive this object.
    explicit TextProbe(FrameProbe& probe) : probe_(probe) {}
    // The static and button texts of the shown page (or of the given dialog)
    // that do not fit their controls; nothing (with a failure) when it cannot
    // be measured.
    std::optional<std::vector<text_probe::Misfit>> Misfits(HWND dialog = nullptr);
    // How control id's text draws; nothing (with a failure) without it.
    std::optional<text_probe::Glyphs> Glyphs(int id);

private:
    FrameProbe& probe_;
};

inline std::string Describe(const text_probe::Misfit& misfit) { return misfit.description; }

// The system's high-contrast state as the hooked program sees it. Wine always
// reports it off and cannot switch it on, so the program's SystemParametersInfo
// answers SPI_GETHIGHCONTRAST with the state set here (off at first), and
// every other query as the system does.
class HighContrast {
public:
    // A hooked program that still runs gets the system's own answer again.
    ~HighContrast();

    // Hooks SystemParametersInfoA (and W) in every module the running process
    // has loaded by then. Reports a failure when it cannot.
    bool Hook(DWORD processId);
    // The state the hooked program reports from now on; it learns of the
    // change when told, as by Announce.
    void Set(bool on);
    // Tells window of a change, as the system does when high contrast is
    // switched: WM_SETTINGCHANGE with SPI_SETHIGHCONTRAST. Returns once the
    // window has handled it; reports a failure if it does not in time.
    static bool Announce(HWND window);

private:
    FrameProbe probe_;
};

}  // namespace driver
