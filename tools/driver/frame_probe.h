// A look from inside a running wizard: the probe library is loaded into it and
// its exports run there, as Wine shows another process neither its GDI object
// counts nor its cursor and font handles.
#pragma once

#include "../hooks/frame_probe_state.h"
#include "../hooks/probe_call.h"
#include "unique_handle.h"

#include <windows.h>

#include <optional>

namespace driver {

class FrameProbe {
public:
    FrameProbe();
    ~FrameProbe();
    FrameProbe(const FrameProbe&) = delete;
    FrameProbe& operator=(const FrameProbe&) = delete;

    // Loads the probe into the running process; reports a failure when it cannot.
    bool Attach(DWORD processId);
    // From now on counts the GDI objects the program's modules make and delete.
    bool CountObjects();
    // The objects held now (GDI ones since CountObjects).
    std::optional<frame_probe::ObjectCounts> Objects();
    // From now on counts the sounds the program plays.
    bool CountSounds();
    // The sounds played since CountSounds.
    std::optional<DWORD> SoundsPlayed() { return Run(frame_probe::kSoundsExport); }
    // The cursor the system shows.
    frame_probe::Cursor Cursor();
    // The font of control id on the sheet's shown page; nothing (with a
    // failure) when the control is missing or uses the system font.
    std::optional<LOGFONTA> ControlFont(int id);
    // Runs an export of the probe library on the probe's own thread in the
    // process and returns its result; nothing (with a failure) when the
    // probe is not loaded or does not answer in time.
    std::optional<DWORD> Run(const char* exportName, void* parameter = nullptr);

private:
    bool StartServer(DWORD processId);

    UniqueHandle callSection_;
    probe_call::Section* call_ = nullptr;
    UniqueHandle request_;
    UniqueHandle answer_;

    HANDLE process_ = nullptr;
    HMODULE remoteBase_ = nullptr;
    HANDLE section_ = nullptr;
    frame_probe::Section* view_ = nullptr;
};

}  // namespace driver
