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

}  // namespace

int sound_counter::Install() {
    HMODULE winmm = LoadLibraryA("winmm.dll");
    if (!winmm) return 0;
    realPlaySound = reinterpret_cast<PlaySoundFunction>(reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundA")));
    if (!realPlaySound) return 0;
    InterlockedExchange(&played, 0);
    return RedirectImports(GetModuleHandleA(nullptr), reinterpret_cast<const void*>(realPlaySound),
                           reinterpret_cast<const void*>(&CountingPlaySound));
}

DWORD sound_counter::Played() { return static_cast<DWORD>(InterlockedCompareExchange(&played, 0, 0)); }
