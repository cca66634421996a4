#include "frame_probe.h"

#include "driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace driver {
namespace {

using Library = std::unique_ptr<HINSTANCE__, decltype(&FreeLibrary)>;
using Hook = std::unique_ptr<HHOOK__, decltype(&UnhookWindowsHookEx)>;

}  // namespace

// The block and the events come first: the library's thread looks for them
// as the library loads.
bool FrameProbe::Attach(DWORD processId) {
    using frame_probe::Name;
    UnmapViewOfFile(std::exchange(block_, nullptr));
    const std::string cannot = "cannot hook process " + std::to_string(processId);
    process_ = UniqueHandle(OpenProcess(SYNCHRONIZE, FALSE, processId));
    // A process that has ended may still be opened while handles to it remain.
    if (!Alive()) {
        ADD_FAILURE() << cannot << ": it cannot be opened or has ended (error " << GetLastError() << ")";
        return false;
    }
    section_ = UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(frame_probe::Block), Name(processId, "Block").c_str()));
    if (section_) {
        block_ = static_cast<frame_probe::Block*>(MapViewOfFile(section_.get(), FILE_MAP_WRITE, 0, 0, 0));
    }
    request_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, Name(processId, "Request").c_str()));
    answer_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, Name(processId, "Answer").c_str()));
    if (!block_ || !request_ || !answer_) {
        ADD_FAILURE() << cannot << ": no block and events for the probe (error " << GetLastError() << ")";
        return false;
    }
    // A message hook of the program's own thread brings the library in, as
    // the thread idles in its message loop; the library then keeps itself.
    const std::vector<HWND> windows = TopLevelWindows({{}, {}, processId});
    const DWORD thread = windows.empty() ? 0 : GetWindowThreadProcessId(windows.front(), nullptr);
    const Library library(LoadLibraryA(FileBesideTest(frame_probe::kLibrary).c_str()), &FreeLibrary);
    const auto proc = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                    GetProcAddress(library.get(), frame_probe::kLoadProc)))
                              : nullptr;
    const Hook hook(proc && thread ? SetWindowsHookExA(WH_GETMESSAGE, proc, library.get(), thread) : nullptr,
                    &UnhookWindowsHookEx);
    if (!hook || !PostThreadMessageA(thread, WM_NULL, 0, 0)) {
        ADD_FAILURE() << cannot << ": no window, no probe library, or no hook (error " << GetLastError() << ")";
        return false;
    }
    NoteStep("loading the probe into process " + std::to_string(processId));
    return WaitUntil([&] { return block_->serving != 0; }, kWaitMs,
                     "the probe's thread to serve process " + std::to_string(processId));
}

std::optional<DWORD> FrameProbe::Ask(const char* exportName, UINT_PTR parameter, DWORD timeoutMs) {
    if (!block_) return std::nullopt;
    NoteStep(std::string("asking the probe ") + exportName);
    const std::uint32_t number = block_->asked + 1;
    lstrcpynA(block_->request, exportName, sizeof block_->request);
    block_->parameter = parameter;
    block_->asked = number;
    SetEvent(request_.get());
    // A late answer to an earlier question that ran out of time carries its own number.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (block_->answered != number) {
        if (GetTickCount64() >= deadline) return std::nullopt;
        WaitForSingleObject(answer_.get(), 50);
    }
    return block_->answer;
}

std::optional<DWORD> FrameProbe::Run(const char* exportName, UINT_PTR parameter) {
    const std::optional<DWORD> answer = Ask(exportName, parameter, kWaitMs);
    if (!answer) ADD_FAILURE() << "the probe is not loaded or did not answer " << exportName << " in time";
    if (answer == frame_probe::kNoExport) ADD_FAILURE() << "the probe has no export " << exportName;
    return answer == frame_probe::kNoExport ? std::nullopt : answer;
}

// An installation answers the import slots that lead to its wrappers.
bool FrameProbe::Installed(const char* exportName) {
    const std::optional<DWORD> slots = Run(exportName);
    if (slots == 0u) ADD_FAILURE() << "the program imports none of the functions " << exportName << " redirects";
    return slots > 0u;
}

std::optional<frame_probe::ObjectCounts> FrameProbe::Objects() {
    if (Run(frame_probe::kCountExport) != 1u) return std::nullopt;
    return block_->objects;
}

frame_probe::Cursor FrameProbe::Cursor() {
    return static_cast<frame_probe::Cursor>(Run(frame_probe::kCursorExport).value_or(frame_probe::kCursorUnknown));
}

std::optional<LOGFONTA> FrameProbe::ControlFont(int id) {
    const std::optional<DWORD> answer = Run(frame_probe::kFontExport, static_cast<UINT_PTR>(id));
    if (answer == 1u) return block_->font;
    if (answer) ADD_FAILURE() << "the shown page has no control " << id << ", or it uses the system font";
    return std::nullopt;
}

std::optional<std::vector<text_probe::Misfit>> TextProbe::Misfits(HWND dialog) {
    const std::optional<DWORD> measured = probe_.Run(text_probe::kFitExport, reinterpret_cast<UINT_PTR>(dialog));
    if (measured == 0u) ADD_FAILURE() << "the shown page has no text to measure";
    if (!measured || *measured == 0) return std::nullopt;
    const frame_probe::Block& answers = probe_.Answers();
    return std::vector<text_probe::Misfit>(answers.misfits,
                                           answers.misfits + std::min(answers.misfitCount, text_probe::kMaxMisfits));
}

std::optional<text_probe::Glyphs> TextProbe::Glyphs(int id) {
    const std::optional<DWORD> found = probe_.Run(text_probe::kGlyphsExport, static_cast<UINT_PTR>(id));
    if (found == 0u) ADD_FAILURE() << "the shown page has no control " << id;
    if (found != 1u) return std::nullopt;
    return probe_.Answers().glyphs;
}

HighContrast::~HighContrast() {
    if (probe_.Alive()) probe_.Ask(frame_probe::kHighContrastExport, frame_probe::kSystemContrast, 2000);
}

bool HighContrast::Hook(DWORD processId) {
    if (!probe_.Attach(processId)) return false;
    const std::optional<DWORD> slots = probe_.Run(frame_probe::kHighContrastExport, frame_probe::kContrastOff);
    if (slots && (*slots & 0xFFFF) == 0) {
        ADD_FAILURE() << "process " << processId << " has no import of user32's SystemParametersInfoA to hook ("
                      << (*slots >> 16) << " of SystemParametersInfoW)";
    }
    return slots && (*slots & 0xFFFF) != 0;
}

void HighContrast::Set(bool on) {
    const frame_probe::HighContrast state = on ? frame_probe::kContrastOn : frame_probe::kContrastOff;
    if (probe_.Alive()) probe_.Run(frame_probe::kHighContrastExport, state);
}

bool HighContrast::Announce(HWND window) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_NORMAL, kWaitMs, &result)) {
        return true;
    }
    ADD_FAILURE() << "window " << window << " did not take WM_SETTINGCHANGE(SPI_SETHIGHCONTRAST) within " << kWaitMs
                  << " ms (error " << GetLastError() << ")";
    return false;
}

}  // namespace driver
