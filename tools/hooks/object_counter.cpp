#include "object_counter.h"

#include "import_patch.h"

#include <psapi.h>

#include <map>
#include <string>
#include <vector>

namespace object_counter {
namespace {

enum class Kind { kFont, kBitmap, kMemoryDc, kWindowDc, kPaint, kOther };

// Written by the program's thread, read by the probe's.
SRWLOCK lock = SRWLOCK_INIT;
std::map<const void*, Kind>* live = nullptr;
LONG created = 0;

void Add(const void* handle, Kind kind) noexcept {
    if (!handle) return;
    AcquireSRWLockExclusive(&lock);
    try {
        (*live)[handle] = kind;
    } catch (...) {
    }
    ReleaseSRWLockExclusive(&lock);
    if (kind != Kind::kPaint && kind != Kind::kWindowDc) InterlockedIncrement(&created);
}

// Objects made before installation are not known, and stay uncounted.
void Remove(const void* handle) noexcept {
    AcquireSRWLockExclusive(&lock);
    live->erase(handle);
    ReleaseSRWLockExclusive(&lock);
}

template <typename Fn>
Fn Real(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

#define REAL(library, fn) const auto real##fn = Real<decltype(&fn)>(library, #fn)
REAL("gdi32.dll", CreateFontIndirectA);
REAL("gdi32.dll", CreateCompatibleDC);
REAL("gdi32.dll", CreateCompatibleBitmap);
REAL("gdi32.dll", CreateSolidBrush);
REAL("gdi32.dll", CreatePen);
REAL("gdi32.dll", CreateRectRgn);
REAL("gdi32.dll", DeleteDC);
REAL("gdi32.dll", DeleteObject);
REAL("user32.dll", LoadBitmapA);
REAL("user32.dll", LoadImageA);
REAL("user32.dll", GetDC);
REAL("user32.dll", GetWindowDC);
REAL("user32.dll", ReleaseDC);
REAL("user32.dll", BeginPaint);
REAL("user32.dll", EndPaint);
#undef REAL

HFONT WINAPI CountCreateFontIndirectA(const LOGFONTA* font) {
    HFONT made = realCreateFontIndirectA(font);
    Add(made, Kind::kFont);
    return made;
}
HDC WINAPI CountCreateCompatibleDC(HDC dc) {
    HDC made = realCreateCompatibleDC(dc);
    Add(made, Kind::kMemoryDc);
    return made;
}
HBITMAP WINAPI CountCreateCompatibleBitmap(HDC dc, int cx, int cy) {
    HBITMAP made = realCreateCompatibleBitmap(dc, cx, cy);
    Add(made, Kind::kBitmap);
    return made;
}
HBRUSH WINAPI CountCreateSolidBrush(COLORREF colour) {
    HBRUSH made = realCreateSolidBrush(colour);
    Add(made, Kind::kOther);
    return made;
}
HPEN WINAPI CountCreatePen(int style, int width, COLORREF colour) {
    HPEN made = realCreatePen(style, width, colour);
    Add(made, Kind::kOther);
    return made;
}
HRGN WINAPI CountCreateRectRgn(int left, int top, int right, int bottom) {
    HRGN made = realCreateRectRgn(left, top, right, bottom);
    Add(made, Kind::kOther);
    return made;
}
BOOL WINAPI CountDeleteDC(HDC dc) {
    Remove(dc);
    return realDeleteDC(dc);
}
BOOL WINAPI CountDeleteObject(HGDIOBJ object) {
    const BOOL deleted = realDeleteObject(object);
    if (deleted) Remove(object);
    return deleted;
}
HBITMAP WINAPI CountLoadBitmapA(HINSTANCE instance, LPCSTR name) {
    HBITMAP made = realLoadBitmapA(instance, name);
    Add(made, Kind::kBitmap);
    return made;
}
// Shared icons and cursors are the system's; a loaded bitmap is the caller's.
HANDLE WINAPI CountLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    HANDLE made = realLoadImageA(instance, name, type, cx, cy, flags);
    if (type == IMAGE_BITMAP) Add(made, Kind::kBitmap);
    return made;
}
HDC WINAPI CountGetDC(HWND window) {
    HDC dc = realGetDC(window);
    Add(dc, Kind::kWindowDc);
    return dc;
}
HDC WINAPI CountGetWindowDC(HWND window) {
    HDC dc = realGetWindowDC(window);
    Add(dc, Kind::kWindowDc);
    return dc;
}
int WINAPI CountReleaseDC(HWND window, HDC dc) {
    Remove(dc);
    return realReleaseDC(window, dc);
}
HDC WINAPI CountBeginPaint(HWND window, PAINTSTRUCT* paint) {
    HDC dc = realBeginPaint(window, paint);
    Add(dc, Kind::kPaint);
    return dc;
}
BOOL WINAPI CountEndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint) Remove(paint->hdc);
    return realEndPaint(window, paint);
}

struct Redirection {
    const void* real;
    const void* counting;
};

std::vector<Redirection> Redirections() {
    auto entry = [](auto real, auto counting) {
        return Redirection{reinterpret_cast<const void*>(real), reinterpret_cast<const void*>(counting)};
    };
    return {entry(realCreateFontIndirectA, &CountCreateFontIndirectA),
            entry(realCreateCompatibleDC, &CountCreateCompatibleDC),
            entry(realCreateCompatibleBitmap, &CountCreateCompatibleBitmap),
            entry(realCreateSolidBrush, &CountCreateSolidBrush),
            entry(realCreatePen, &CountCreatePen),
            entry(realCreateRectRgn, &CountCreateRectRgn),
            entry(realDeleteDC, &CountDeleteDC),
            entry(realDeleteObject, &CountDeleteObject),
            entry(realLoadBitmapA, &CountLoadBitmapA),
            entry(realLoadImageA, &CountLoadImageA),
            entry(realGetDC, &CountGetDC),
            entry(realGetWindowDC, &CountGetWindowDC),
            entry(realReleaseDC, &CountReleaseDC),
            entry(realBeginPaint, &CountBeginPaint),
            entry(realEndPaint, &CountEndPaint)};
}

std::string Folder(HMODULE module) {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder(path, n < MAX_PATH ? n : 0);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// The program and the libraries it brought: those beside it.
std::vector<HMODULE> ProgramModules(HMODULE self) {
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &needed)) {
        return {};
    }
    modules.resize(needed / sizeof(HMODULE) < modules.size() ? needed / sizeof(HMODULE) : modules.size());
    const std::string programFolder = Folder(nullptr);
    std::vector<HMODULE> program;
    for (HMODULE module : modules) {
        if (module != self && lstrcmpiA(Folder(module).c_str(), programFolder.c_str()) == 0) program.push_back(module);
    }
    return program;
}

}  // namespace

int Install(HMODULE self) {
    AcquireSRWLockExclusive(&lock);
    if (!live) live = new std::map<const void*, Kind>;
    ReleaseSRWLockExclusive(&lock);
    int slots = 0;
    for (const Redirection& redirection : Redirections()) {
        if (!redirection.real) continue;
        for (HMODULE module : ProgramModules(self)) {
            slots += RedirectImports(module, redirection.real, redirection.counting);
        }
    }
    return slots;
}

void Read(frame_probe::ObjectCounts& counts) {
    counts.fonts = counts.bitmaps = counts.memoryDcs = counts.windowDcs = counts.openPaints = counts.otherGdi = 0;
    AcquireSRWLockShared(&lock);
    if (live) {
        for (const auto& [handle, kind] : *live) {
            switch (kind) {
            case Kind::kFont: ++counts.fonts; break;
            case Kind::kBitmap: ++counts.bitmaps; break;
            case Kind::kMemoryDc: ++counts.memoryDcs; break;
            case Kind::kWindowDc: ++counts.windowDcs; break;
            case Kind::kPaint: ++counts.openPaints; break;
            case Kind::kOther: ++counts.otherGdi; break;
            }
        }
    }
    ReleaseSRWLockShared(&lock);
    counts.created = created;
}

}  // namespace object_counter
