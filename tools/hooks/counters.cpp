// The counting wrappers that the program's imports are redirected to: the
// GDI objects its own modules make and delete, and the sounds it plays. A
// wrapper calls the system through this library's own imports, which stay.
#include "import_patch.h"
#include "probe.h"

#include <map>
#include <set>
#include <string>

namespace {

enum class Kind { kFont, kBitmap, kMemoryDc, kWindowDc, kPaint, kOther };

// Written by the program's threads, read by the probe's; never destroyed, as
// the program may delete objects until its very end.
SRWLOCK lock = SRWLOCK_INIT;
std::map<const void*, Kind>& live = *new std::map<const void*, Kind>;
LONG created = 0;

template <class Handle>
Handle Made(Handle handle, Kind kind) noexcept {
    if (!handle) return handle;
    AcquireSRWLockExclusive(&lock);
    try {
        live[handle] = kind;
    } catch (...) {
    }
    ReleaseSRWLockExclusive(&lock);
    if (kind != Kind::kPaint && kind != Kind::kWindowDc) InterlockedIncrement(&created);
    return handle;
}

// Objects made before installation are not known, and stay uncounted.
void Gone(const void* handle) noexcept {
    AcquireSRWLockExclusive(&lock);
    live.erase(handle);
    ReleaseSRWLockExclusive(&lock);
}

HFONT WINAPI CountCreateFontIndirectA(const LOGFONTA* font) { return Made(CreateFontIndirectA(font), Kind::kFont); }
HDC WINAPI CountCreateCompatibleDC(HDC dc) { return Made(CreateCompatibleDC(dc), Kind::kMemoryDc); }
HBITMAP WINAPI CountCreateCompatibleBitmap(HDC dc, int cx, int cy) {
    return Made(CreateCompatibleBitmap(dc, cx, cy), Kind::kBitmap);
}
HBRUSH WINAPI CountCreateSolidBrush(COLORREF colour) { return Made(CreateSolidBrush(colour), Kind::kOther); }
HPEN WINAPI CountCreatePen(int style, int width, COLORREF colour) {
    return Made(CreatePen(style, width, colour), Kind::kOther);
}
HRGN WINAPI CountCreateRectRgn(int left, int top, int right, int bottom) {
    return Made(CreateRectRgn(left, top, right, bottom), Kind::kOther);
}
HBITMAP WINAPI CountLoadBitmapA(HINSTANCE instance, LPCSTR name) {
    return Made(LoadBitmapA(instance, name), Kind::kBitmap);
}
// Shared icons and cursors are the system's; a loaded bitmap is the caller's.
HANDLE WINAPI CountLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    HANDLE made = LoadImageA(instance, name, type, cx, cy, flags);
    return type == IMAGE_BITMAP ? Made(made, Kind::kBitmap) : made;
}
HDC WINAPI CountGetDC(HWND window) { return Made(GetDC(window), Kind::kWindowDc); }
HDC WINAPI CountGetWindowDC(HWND window) { return Made(GetWindowDC(window), Kind::kWindowDc); }
HDC WINAPI CountBeginPaint(HWND window, PAINTSTRUCT* paint) { return Made(BeginPaint(window, paint), Kind::kPaint); }
BOOL WINAPI CountDeleteDC(HDC dc) {
    Gone(dc);
    return DeleteDC(dc);
}
BOOL WINAPI CountDeleteObject(HGDIOBJ object) {
    const BOOL deleted = DeleteObject(object);
    if (deleted) Gone(object);
    return deleted;
}
int WINAPI CountReleaseDC(HWND window, HDC dc) {
    Gone(dc);
    return ReleaseDC(window, dc);
}
BOOL WINAPI CountEndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint) Gone(paint->hdc);
    return EndPaint(window, paint);
}

// The folder of a module's file, with its last backslash.
std::string Folder(HMODULE module) {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string file(path, n < MAX_PATH ? n : 0);
    return file.substr(0, file.find_last_of("\\/") + 1);
}

using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
PlaySoundFunction realPlaySound = nullptr;
LONG played = 0;

BOOL WINAPI CountPlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
    InterlockedIncrement(&played);
    return realPlaySound(sound, module, flags);
}

// The program loads the sound library at its first sound and looks
// PlaySoundA up then: that look-up is answered with the wrapper.
FARPROC WINAPI CountGetProcAddress(HMODULE module, LPCSTR name) {
    const FARPROC found = GetProcAddress(module, name);
    if (found && reinterpret_cast<const void*>(found) == reinterpret_cast<const void*>(realPlaySound)) {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountPlaySound));
    }
    return found;
}

// Only the program and the libraries it brought (those beside it) are counted.
int RedirectGdi(HMODULE module) {
    return RedirectImports(module, &CreateFontIndirectA, &CountCreateFontIndirectA) +
           RedirectImports(module, &CreateCompatibleDC, &CountCreateCompatibleDC) +
           RedirectImports(module, &CreateCompatibleBitmap, &CountCreateCompatibleBitmap) +
           RedirectImports(module, &CreateSolidBrush, &CountCreateSolidBrush) +
           RedirectImports(module, &CreatePen, &CountCreatePen) +
           RedirectImports(module, &CreateRectRgn, &CountCreateRectRgn) +
           RedirectImports(module, &DeleteDC, &CountDeleteDC) +
           RedirectImports(module, &DeleteObject, &CountDeleteObject) +
           RedirectImports(module, &LoadBitmapA, &CountLoadBitmapA) +
           RedirectImports(module, &LoadImageA, &CountLoadImageA) +
           RedirectImports(module, &GetDC, &CountGetDC) +
           RedirectImports(module, &GetWindowDC, &CountGetWindowDC) +
           RedirectImports(module, &ReleaseDC, &CountReleaseDC) +
           RedirectImports(module, &BeginPaint, &CountBeginPaint) +
           RedirectImports(module, &EndPaint, &CountEndPaint);
}

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++*reinterpret_cast<std::int32_t*>(param);
    return TRUE;
}

void AddMenu(HMENU menu, std::set<HMENU>& menus) {
    if (!menu || !IsMenu(menu) || !menus.insert(menu).second) return;
    const int items = GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i) AddMenu(GetSubMenu(menu, i), menus);
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI InstallObjectCounter(LPVOID) {
    const std::string programFolder = Folder(nullptr);
    DWORD slots = 0;
    for (HMODULE module : ProcessModules()) {
        if (module == probe::ThisLibrary() || lstrcmpiA(Folder(module).c_str(), programFolder.c_str()) != 0) continue;
        slots += static_cast<DWORD>(RedirectGdi(module));
    }
    return slots;
}

extern "C" __declspec(dllexport) DWORD WINAPI CountObjects(LPVOID) {
    frame_probe::ObjectCounts counts = {};
    std::int32_t* byKind[] = {&counts.fonts,     &counts.bitmaps,    &counts.memoryDcs,
                              &counts.windowDcs, &counts.openPaints, &counts.otherGdi};
    AcquireSRWLockShared(&lock);
    for (const auto& [handle, kind] : live) ++*byKind[static_cast<int>(kind)];
    ReleaseSRWLockShared(&lock);
    counts.created = created;
    std::set<HMENU> menus;
    for (HWND window : probe::OwnTopLevelWindows()) {
        ++counts.windows;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&counts.windows));  // every descendant
        AddMenu(GetMenu(window), menus);
    }
    counts.menus = static_cast<std::int32_t>(menus.size());
    probe::Answers().objects = counts;
    return 1;
}

extern "C" __declspec(dllexport) DWORD WINAPI InstallSoundCounter(LPVOID) {
    HMODULE winmm = LoadLibraryA("winmm.dll");
    realPlaySound = winmm ? reinterpret_cast<PlaySoundFunction>(
                                reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundA")))
                          : nullptr;
    if (!realPlaySound) return 0;
    InterlockedExchange(&played, 0);
    HMODULE program = GetModuleHandleA(nullptr);
    return static_cast<DWORD>(RedirectImports(program, realPlaySound, &CountPlaySound) +
                              RedirectImports(program, &GetProcAddress, &CountGetProcAddress));
}

extern "C" __declspec(dllexport) DWORD WINAPI SoundsPlayed(LPVOID) {
    return static_cast<DWORD>(InterlockedCompareExchange(&played, 0, 0));
}
