#include "frame_probe.h"

#include "remote_library.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace driver {

FrameProbe::FrameProbe() {
    section_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(frame_probe::Section),
                                  frame_probe::kSectionName);
    if (section_) {
        view_ = static_cast<frame_probe::Section*>(
            MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(frame_probe::Section)));
    }
    if (!view_) {
        ADD_FAILURE() << "cannot make the probe's section " << frame_probe::kSectionName << " (error "
                      << GetLastError() << ")";
        return;
    }
    *view_ = {};
    view_->magic = frame_probe::kMagic;
}

FrameProbe::~FrameProbe() {
    if (call_) UnmapViewOfFile(call_);
    if (view_) UnmapViewOfFile(view_);
    if (section_) CloseHandle(section_);
    if (process_) CloseHandle(process_);
}

bool FrameProbe::Attach(DWORD processId) {
    if (process_) CloseHandle(process_);
    remoteBase_ = nullptr;
    process_ = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                               PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                           FALSE, processId);
    if (!process_) {
        ADD_FAILURE() << "cannot open process " << processId << " (error " << GetLastError() << ")";
        return false;
    }
    remoteBase_ = LoadRemoteLibrary(process_, FileBesideTest(frame_probe::kLibrary), kWaitMs);
    if (remoteBase_ && !StartServer(processId)) remoteBase_ = nullptr;
    return remoteBase_ != nullptr;
}

// One thread made from outside starts the probe's own thread; every question
// after that goes to it through the section and two events.
bool FrameProbe::StartServer(DWORD processId) {
    if (call_) UnmapViewOfFile(call_);
    call_ = nullptr;
    callSection_ = UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                   sizeof(probe_call::Section),
                                                   probe_call::Name(processId, probe_call::kSection).c_str()));
    if (callSection_) {
        call_ = static_cast<probe_call::Section*>(
            MapViewOfFile(callSection_.get(), FILE_MAP_WRITE, 0, 0, sizeof(probe_call::Section)));
    }
    request_ = UniqueHandle(
        CreateEventA(nullptr, FALSE, FALSE, probe_call::Name(processId, probe_call::kRequest).c_str()));
    answer_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, probe_call::Name(processId, probe_call::kAnswer).c_str()));
    if (!call_ || !request_ || !answer_) {
        ADD_FAILURE() << "cannot make the probe's call section and events (error " << GetLastError() << ")";
        return false;
    }
    *call_ = {};
    call_->magic = probe_call::kMagic;
    const std::optional<DWORD> started =
        RunRemoteExport(process_, remoteBase_, FileBesideTest(frame_probe::kLibrary), probe_call::kStartExport, kWaitMs);
    if (started && *started != 1) ADD_FAILURE() << "the probe's thread did not start in process " << processId;
    return started && *started == 1;
}

std::optional<DWORD> FrameProbe::Run(const char* exportName, void* parameter) {
    if (!remoteBase_ || !view_ || !call_) {
        ADD_FAILURE() << "the probe is not loaded; cannot run " << exportName;
        return std::nullopt;
    }
    const std::uint32_t number = call_->asked + 1;
    lstrcpynA(call_->exportName, exportName, sizeof call_->exportName);
    call_->parameter = reinterpret_cast<UINT_PTR>(parameter);
    call_->asked = number;
    SetEvent(request_.get());
    const std::string what = "the probe to answer " + std::string(exportName);
    // A late answer to an earlier call that ran out of time carries its own number.
    if (!WaitUntil(
            [&] { return WaitForSingleObject(answer_.get(), 50) == WAIT_OBJECT_0 && call_->answered == number; },
            kWaitMs, what)) {
        return std::nullopt;
    }
    if (call_->result == probe_call::kNoExport) {
        ADD_FAILURE() << "the probe has no export " << exportName;
        return std::nullopt;
    }
    return call_->result;
}

bool FrameProbe::CountObjects() {
    const std::optional<DWORD> slots = Run(frame_probe::kInstallExport);
    if (slots && *slots == 0) ADD_FAILURE() << "the program imports none of the GDI functions the probe counts";
    return slots && *slots > 0;
}

bool FrameProbe::CountSounds() {
    const std::optional<DWORD> slots = Run(frame_probe::kInstallSoundExport);
    if (slots && *slots == 0) ADD_FAILURE() << "the program neither imports PlaySoundA nor looks functions up";
    return slots && *slots > 0;
}

std::optional<frame_probe::ObjectCounts> FrameProbe::Objects() {
    const std::optional<DWORD> done = Run(frame_probe::kCountExport);
    if (!done || *done != 1) {
        if (done) ADD_FAILURE() << "the probe could not write its counts";
        return std::nullopt;
    }
    return view_->objects;
}

frame_probe::Cursor FrameProbe::Cursor() {
    const std::optional<DWORD> cursor = Run(frame_probe::kCursorExport);
    return cursor ? static_cast<frame_probe::Cursor>(*cursor) : frame_probe::kCursorUnknown;
}

std::optional<LOGFONTA> FrameProbe::ControlFont(int id) {
    const std::optional<DWORD> answer = Run(frame_probe::kFontExport, reinterpret_cast<void*>(static_cast<INT_PTR>(id)));
    if (!answer) return std::nullopt;
    switch (*answer) {
    case frame_probe::kFontFound: return view_->font;
    case frame_probe::kNoPage: ADD_FAILURE() << "no shown page to read control " << id << " from"; break;
    case frame_probe::kNoControl: ADD_FAILURE() << "the shown page has no control " << id; break;
    case frame_probe::kSystemFont: ADD_FAILURE() << "control " << id << " uses the system font"; break;
    default: ADD_FAILURE() << "unexpected probe answer " << *answer << " for control " << id; break;
    }
    return std::nullopt;
}

}  // namespace driver
