// RavlenHighContrastHook.dll: loaded into a running program by a test, it
// answers the program's high-contrast queries with the state the test sets
// and passes every other call of SystemParametersInfo to the system.
#include "high_contrast_state.h"
#include "import_patch.h"

#include <optional>

namespace {

using SystemParametersInfoFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

SystemParametersInfoFn realA = nullptr;
SystemParametersInfoFn realW = nullptr;

// Reads the section afresh on every query, so that a test may set the state at
// any time and its end (the section gone) restores the system's answer. The
// caller's last error is left as it was.
std::optional<bool> TestState() noexcept {
    const DWORD lastError = GetLastError();
    std::optional<bool> on;
    if (HANDLE section = OpenFileMappingA(FILE_MAP_READ, FALSE, high_contrast::kSectionName)) {
        if (const void* view = MapViewOfFile(section, FILE_MAP_READ, 0, 0, sizeof(high_contrast::State))) {
            const auto* state = static_cast<const high_contrast::State*>(view);
            if (state->magic == high_contrast::kMagic && state->version == high_contrast::kVersion) {
                on = state->on != 0;
            }
            UnmapViewOfFile(view);
        }
        CloseHandle(section);
    }
    SetLastError(lastError);
    return on;
}

// HIGHCONTRASTA and HIGHCONTRASTW share their layout up to the scheme name.
// The flags are answered whenever the structure holds them: a 32-bit caller's
// 12-byte structure is accepted in a 64-bit process too.
template <typename HighContrast>
BOOL Answer(PVOID data, bool on) noexcept {
    auto* answer = static_cast<HighContrast*>(data);
    if (!answer || answer->cbSize < offsetof(HighContrast, dwFlags) + sizeof answer->dwFlags) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    answer->dwFlags = HCF_AVAILABLE | (on ? HCF_HIGHCONTRASTON : 0);
    if (answer->cbSize >= sizeof(HighContrast)) answer->lpszDefaultScheme = nullptr;
    return TRUE;
}

BOOL WINAPI HookedA(UINT action, UINT param, PVOID data, UINT winIni) {
    if (action == SPI_GETHIGHCONTRAST) {
        if (std::optional<bool> on = TestState()) return Answer<HIGHCONTRASTA>(data, *on);
    }
    return realA(action, param, data, winIni);
}

BOOL WINAPI HookedW(UINT action, UINT param, PVOID data, UINT winIni) {
    if (action == SPI_GETHIGHCONTRAST) {
        if (std::optional<bool> on = TestState()) return Answer<HIGHCONTRASTW>(data, *on);
    }
    return realW(action, param, data, winIni);
}

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

}  // namespace

// Run by the test as a thread in the hooked process, after LoadLibrary: the
// redirection is not done in DllMain, under the loader lock. The library pins
// itself, as the patched slots lead into it for the rest of the process's life.
// Safe to run again; modules loaded since then are redirected too.
extern "C" __declspec(dllexport) DWORD WINAPI InstallHighContrastHook(LPVOID) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return 0;
    realA = reinterpret_cast<SystemParametersInfoFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SystemParametersInfoA")));
    realW = reinterpret_cast<SystemParametersInfoFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SystemParametersInfoW")));
    if (!realA || !realW) return 0;
    HMODULE self = ThisLibrary();
    const int slotsA = RedirectImportsEverywhere(reinterpret_cast<const void*>(realA),
                                                 reinterpret_cast<const void*>(&HookedA), self);
    const int slotsW = RedirectImportsEverywhere(reinterpret_cast<const void*>(realW),
                                                 reinterpret_cast<const void*>(&HookedW), self);
    return high_contrast::InstallResult(slotsA, slotsW);
}
