#include "frame_probe.h"

#include "remote_library.h"
#include "test_step.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace driver {

FrameProbe::~FrameProbe() {
    if (block_) UnmapViewOfFile(block_);
}

// The block and the events come first: the library's thread looks for them
// as the library loads.
bool FrameProbe::Attach(DWORD processId) {
    using frame_probe::Name;
    if (block_) UnmapViewOfFile(block_);
    block_ = nullptr;
    const std::string cannot = "cannot hook process " + std::to_string(processId);
    process_ = UniqueHandle(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                            PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                                        FALSE, processId));
    if (!process_) {
        ADD_FAILURE() << cannot << ": it cannot be opened (error " << GetLastError() << ")";
        return false;
    }
    // A process that has ended may still be opened while handles to it remain.
    if (!Alive()) {
        ADD_FAILURE() << cannot << ": it has ended";
        return false;
    }
    section_ = UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(frame_probe::Block),
                                               Name(processId, frame_probe::kBlockName).c_str()));
    if (section_) {
        block_ = static_cast<frame_probe::Block*>(
            MapViewOfFile(section_.get(), FILE_MAP_WRITE, 0, 0, sizeof(frame_probe::Block)));
    }
    request_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, Name(processId, frame_probe::kRequestName).c_str()));
    answer_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, Name(processId, frame_probe::kAnswerName).c_str()));
    if (!block_ || !request_ || !answer_) {
        ADD_FAILURE() << cannot << ": no block and events for the probe (error " << GetLastError() << ")";
        return false;
    }
    block_->magic = frame_probe::kMagic;
    return LoadRemoteLibrary(process_.get(), FileBesideTest(frame_probe::kLibrary), kWaitMs) &&
           WaitUntil([&] { return block_->serving != 0; }, kWaitMs,
                     "the probe's thread to serve process " + std::to_string(processId));
}

std::optional<DWORD> FrameProbe::Ask(const char* exportName, void* parameter, DWORD timeoutMs) {
    if (!block_) return std::nullopt;
    NoteStep(std::string("asking the probe ") + exportName);
    const std::uint32_t number = block_->asked + 1;
    lstrcpynA(block_->request, exportName, sizeof block_->request);
    block_->parameter = reinterpret_cast<UINT_PTR>(parameter);
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

std::optional<DWORD> FrameProbe::Run(const char* exportName, void* parameter) {
    if (!block_) {
        ADD_FAILURE() << "the probe is not loaded; cannot run " << exportName;
        return std::nullopt;
    }
    const std::optional<DWORD> answer = Ask(exportName, parameter, kWaitMs);
    if (!answer) ADD_FAILURE() << "the probe did not answer " << exportName << " within " << kWaitMs << " ms";
    if (answer == frame_probe::kNoExport) ADD_FAILURE() << "the probe has no export " << exportName;
    return answer == frame_probe::kNoExport ? std::nullopt : answer;
}

bool FrameProbe::CountObjects() {
    const std::optional<DWORD> slots = Run(frame_probe::kInstallExport);
    if (slots == 0u) ADD_FAILURE() << "the program imports none of the GDI functions the probe counts";
    return slots > 0u;
}

bool FrameProbe::CountSounds() {
    const std::optional<DWORD> slots = Run(frame_probe::kInstallSoundExport);
    if (slots == 0u) ADD_FAILURE() << "the program neither imports PlaySoundA nor looks functions up";
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
    const std::optional<DWORD> answer =
        Run(frame_probe::kFontExport, reinterpret_cast<void*>(static_cast<INT_PTR>(id)));
    if (answer == frame_probe::kFontFound) return block_->font;
    if (answer == frame_probe::kNoPage) ADD_FAILURE() << "no shown page to read control " << id << " from";
    if (answer == frame_probe::kNoControl) ADD_FAILURE() << "the shown page has no control " << id;
    if (answer == frame_probe::kSystemFont) ADD_FAILURE() << "control " << id << " uses the system font";
    return std::nullopt;
}

std::optional<std::vector<text_probe::Misfit>> TextProbe::Misfits() {
    const std::optional<DWORD> measured = probe_.Run(text_probe::kFitExport);
    if (measured == 0u) ADD_FAILURE() << "the shown page has no text to measure";
    if (!measured || *measured == 0) return std::nullopt;
    const frame_probe::Block& answers = probe_.Answers();
    return std::vector<text_probe::Misfit>(answers.misfits,
                                           answers.misfits + std::min(answers.misfitCount, text_probe::kMaxMisfits));
}

std::optional<text_probe::Glyphs> TextProbe::Glyphs(int id) {
    const std::optional<DWORD> found =
        probe_.Run(text_probe::kGlyphsExport, reinterpret_cast<void*>(static_cast<INT_PTR>(id)));
    if (found == 0u) ADD_FAILURE() << "the shown page has no control " << id;
    if (found != 1u) return std::nullopt;
    return probe_.Answers().glyphs;
}

std::string Describe(const text_probe::Misfit& misfit) {
    static const char* const kinds[] = {"static", "push button", "check box", "radio button", "group box"};
    const bool known = misfit.kind >= text_probe::kStatic && misfit.kind <= text_probe::kGroupBox;
    std::ostringstream text;
    text << (known ? kinds[misfit.kind] : "control") << " " << misfit.id << " \"" << misfit.text << "\" in \""
         << misfit.face << "\" needs " << misfit.neededWidth << " px x " << misfit.neededLines << " lines of "
         << misfit.lineHeight << " px in " << misfit.width << " x " << misfit.height << " px";
    if (misfit.width != misfit.controlWidth) text << " (of a control " << misfit.controlWidth << " px wide)";
    if (misfit.neededWidth > misfit.width) text << ": " << misfit.neededWidth - misfit.width << " px too wide";
    return text.str();
}

namespace {

void* State(frame_probe::HighContrast state) { return reinterpret_cast<void*>(static_cast<UINT_PTR>(state)); }

}  // namespace

HighContrast::~HighContrast() {
    for (const auto& probe : hooked_) {
        if (probe->Alive()) probe->Ask(frame_probe::kHighContrastExport, State(frame_probe::kSystemContrast), 2000);
    }
}

bool HighContrast::Hook(DWORD processId) {
    auto probe = std::make_unique<FrameProbe>();
    if (!probe->Attach(processId)) return false;
    const std::optional<DWORD> slots =
        probe->Run(frame_probe::kHighContrastExport, State(on_ ? frame_probe::kContrastOn : frame_probe::kContrastOff));
    if (!slots) return false;
    if ((*slots & 0xFFFF) == 0) {
        ADD_FAILURE() << "process " << processId << " has no import of user32's SystemParametersInfoA to hook ("
                      << (*slots >> 16) << " of SystemParametersInfoW)";
        return false;
    }
    hooked_.push_back(std::move(probe));
    return true;
}

void HighContrast::Set(bool on) {
    on_ = on;
    for (const auto& probe : hooked_) {
        if (probe->Alive()) {
            probe->Run(frame_probe::kHighContrastExport,
                       State(on ? frame_probe::kContrastOn : frame_probe::kContrastOff));
        }
    }
}

bool HighContrast::Announce(HWND window) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_NORMAL, kWaitMs, &result)) {
        ADD_FAILURE() << "window " << window << " did not take WM_SETTINGCHANGE(SPI_SETHIGHCONTRAST) within " << kWaitMs
                      << " ms (error " << GetLastError() << ")";
        return false;
    }
    return true;
}

}  // namespace driver
