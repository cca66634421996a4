// The high-contrast state a test sets for hooked programs: a small named shared
// memory section that the test owns and the hook reads on every query. While
// the section does not exist, hooked programs get the system's own answer.
#pragma once

#include <windows.h>

#include <cstdint>

namespace high_contrast {

constexpr char kSectionName[] = "Local\\RavlenHighContrastState";
constexpr std::uint32_t kMagic = 0x53434852;  // "RHCS"
constexpr std::uint32_t kVersion = 1;

struct State {
    std::uint32_t magic;
    std::uint32_t version;
    // Nonzero: high contrast is on.
    volatile LONG on;
};

// The hook library, built beside the tests, and the thread routine it exports:
// run in the hooked process, it redirects the imports. Its exit code counts the
// import slots that now lead to the hook: SystemParametersInfoA's in the low
// word, SystemParametersInfoW's in the high word.
constexpr char kHookLibrary[] = "RavlenHighContrastHook.dll";
constexpr char kInstallExport[] = "InstallHighContrastHook";

constexpr DWORD InstallResult(int slotsA, int slotsW) {
    return static_cast<DWORD>(slotsA & 0xFFFF) | (static_cast<DWORD>(slotsW & 0xFFFF) << 16);
}
constexpr int SlotsA(DWORD result) { return static_cast<int>(result & 0xFFFF); }
constexpr int SlotsW(DWORD result) { return static_cast<int>(result >> 16); }

}  // namespace high_contrast
