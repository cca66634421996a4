#include "sound_counter.h"

#include "import_patch.h"

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);

PlaySoundFunction realPlaySound = nullptr;
LONG played = 0;

BOOL WINAPI CountingPlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
    InterlockedIncrement(&played);
    return realPlaySound ? realPlaySound(sound, module, flags) : FALSE;
}

// The program loads the sound library at its first sound and looks
// PlaySoundA up then: that look-up is answered with the wrapper.
FARPROC WINAPI CountingGetProcAddress(HMODULE module, LPCSTR name) {
    const FARPROC found = GetProcAddress(module, name);
    const bool byName = reinterpret_cast<ULONG_PTR>(name) > 0xFFFF;
    if (found && byName && lstrcmpA(name, "PlaySoundA") == 0 &&
        reinterpret_cast<const void*>(found) == reinterpret_cast<const void*>(realPlaySound)) {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountingPlaySound));
    }
    return found;
}

}  // namespace

int sound_counter::Install() {
    HMODULE winmm = LoadLibraryA("winmm.dll");
    if (!winmm) return 0;
    realPlaySound = reinterpret_cast<PlaySoundFunction>(reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundA")));
    if (!realPlaySound) return 0;
    InterlockedExchange(&played, 0);
    HMODULE program = GetModuleHandleA(nullptr);
    const auto* lookUp = reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcAddress"));
    return RedirectImports(program, reinterpret_cast<const void*>(realPlaySound),
                           reinterpret_cast<const void*>(&CountingPlaySound)) +
           RedirectImports(program, lookUp, reinterpret_cast<const void*>(&CountingGetProcAddress));
}

DWORD sound_counter::Played() { return static_cast<DWORD>(InterlockedCompareExchange(&played, 0, 0)); }
