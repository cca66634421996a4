#include "high_contrast.h"
#include "unique_handle.h"

#include "../hooks/high_contrast_state.h"
#include "remote_library.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

high_contrast::State* StateIn(void* view) { return static_cast<high_contrast::State*>(view); }


}  // namespace

HighContrast::HighContrast() {
    section_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(high_contrast::State),
                                  high_contrast::kSectionName);
    if (section_) view_ = MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(high_contrast::State));
    if (!view_) {
        ADD_FAILURE() << "cannot make the high-contrast state section " << high_contrast::kSectionName << " (error "
                      << GetLastError() << ")";
        return;
    }
    high_contrast::State* state = StateIn(view_);
    InterlockedExchange(&state->on, 0);
    state->version = high_contrast::kVersion;
    // The magic last: a reader that sees it sees a complete state.
    MemoryBarrier();
    state->magic = high_contrast::kMagic;
}

HighContrast::~HighContrast() {
    if (view_) {
        // Off first, for a hooked program that still holds the section open
        // while it answers a query; the section goes with the last handle.
        InterlockedExchange(&StateIn(view_)->on, 0);
        UnmapViewOfFile(view_);
    }
    if (section_) CloseHandle(section_);
}

bool HighContrast::Hook(DWORD processId) {
    UniqueHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                         PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                                     FALSE, processId));
    if (!process.get()) {
        ADD_FAILURE() << "cannot hook process " << processId << ": it cannot be opened (error " << GetLastError()
                      << ")";
        return false;
    }
    // A process that has ended may still be opened while handles to it remain.
    if (WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) {
        ADD_FAILURE() << "cannot hook process " << processId << ": it has ended";
        return false;
    }
    const std::string library = FileBesideTest(high_contrast::kHookLibrary);
    HMODULE remoteBase = LoadRemoteLibrary(process.get(), library, kWaitMs);
    if (!remoteBase) return false;
    const std::optional<DWORD> result =
        RunRemoteExport(process.get(), remoteBase, library, high_contrast::kInstallExport, kWaitMs);
    if (!result) return false;
    if (high_contrast::SlotsA(*result) == 0) {
        ADD_FAILURE() << "process " << processId << " has no import of user32's SystemParametersInfoA to hook ("
                      << high_contrast::SlotsW(*result) << " of SystemParametersInfoW)";
        return false;
    }
    return true;
}

void HighContrast::Set(bool on) {
    if (view_) InterlockedExchange(&StateIn(view_)->on, on ? 1 : 0);
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
