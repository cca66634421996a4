// RavlenFrameProbe.dll: loaded into a running wizard by a test, it counts the
// GDI objects the program's modules hold and looks at what another process
// cannot see under Wine: the cursor shown and the fonts of the page's controls.
// Each export runs on a thread of its own, started by the test.
#include "frame_probe_state.h"
#include "object_counter.h"
#include "sound_counter.h"

#include <commctrl.h>

#include <set>
#include <vector>

namespace {

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

// The test's section, mapped while one answer is written.
class SectionView {
public:
    SectionView() : section_(OpenFileMappingA(FILE_MAP_WRITE, FALSE, frame_probe::kSectionName)) {
        if (section_) view_ = MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(frame_probe::Section));
    }
    ~SectionView() {
        if (view_) UnmapViewOfFile(view_);
        if (section_) CloseHandle(section_);
    }
    SectionView(const SectionView&) = delete;
    SectionView& operator=(const SectionView&) = delete;
    frame_probe::Section* get() const {
        auto* section = static_cast<frame_probe::Section*>(view_);
        return section && section->magic == frame_probe::kMagic ? section : nullptr;
    }

private:
    HANDLE section_;
    void* view_ = nullptr;
};

struct WindowCount {
    std::vector<HWND> topLevel;
    int windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    auto& count = *reinterpret_cast<WindowCount*>(param);
    count.topLevel.push_back(window);
    ++count.windows;
    EnumChildWindows(window, CountChild, param);  // every descendant
    return TRUE;
}

void AddMenu(HMENU menu, std::set<HMENU>& menus) {
    if (!menu || !IsMenu(menu) || !menus.insert(menu).second) return;
    const int items = GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i) AddMenu(GetSubMenu(menu, i), menus);
}

// The sheet is the process's top-level window that names a shown page.
HWND ShownPage() {
    WindowCount count;
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window : count.topLevel) {
        DWORD_PTR page = 0;
        if (IsWindowVisible(window) &&
            SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page) && page) {
            return reinterpret_cast<HWND>(page);
        }
    }
    return nullptr;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI InstallObjectCounter(LPVOID) {
    // The slots lead here for the rest of the process's life.
    return static_cast<DWORD>(object_counter::Install(ThisLibrary()));
}

extern "C" __declspec(dllexport) DWORD WINAPI CountObjects(LPVOID) {
    SectionView view;
    frame_probe::Section* section = view.get();
    if (!section) return 0;
    frame_probe::ObjectCounts counts = {};
    object_counter::Read(counts);
    WindowCount windows;
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    counts.windows = windows.windows;
    std::set<HMENU> menus;
    for (HWND window : windows.topLevel) AddMenu(GetMenu(window), menus);
    counts.menus = static_cast<std::int32_t>(menus.size());
    section->objects = counts;
    return 1;
}

extern "C" __declspec(dllexport) DWORD WINAPI CurrentCursor(LPVOID) {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return frame_probe::kCursorUnknown;
    // Resource cursors are shared: loading them again gives the handle in use.
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(151));
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    if (hand && info.hCursor == hand) return frame_probe::kCursorHand;
    if (arrow && info.hCursor == arrow) return frame_probe::kCursorArrow;
    return frame_probe::kCursorOther;
}

extern "C" __declspec(dllexport) DWORD WINAPI ShownPageControlFont(LPVOID controlId) {
    SectionView view;
    frame_probe::Section* section = view.get();
    HWND page = ShownPage();
    if (!section || !page) return frame_probe::kNoPage;
    HWND control = GetDlgItem(page, static_cast<int>(reinterpret_cast<INT_PTR>(controlId)));
    if (!control) return frame_probe::kNoControl;
    DWORD_PTR font = 0;
    if (!SendMessageTimeoutA(control, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font) || !font) {
        return frame_probe::kSystemFont;
    }
    LOGFONTA logFont = {};
    if (!GetObjectA(reinterpret_cast<HGDIOBJ>(font), sizeof logFont, &logFont)) return frame_probe::kSystemFont;
    section->font = logFont;
    return frame_probe::kFontFound;
}

extern "C" __declspec(dllexport) DWORD WINAPI InstallSoundCounter(LPVOID) {
    return static_cast<DWORD>(sound_counter::Install());
}

extern "C" __declspec(dllexport) DWORD WINAPI SoundsPlayed(LPVOID) { return sound_counter::Played(); }
