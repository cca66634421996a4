// RavlenFrameProbe.dll: loaded into a running wizard by a test, it counts the
// GDI objects the program's modules hold and looks at what another process
// cannot see under Wine: the cursor shown and the fonts of the page's controls.
// Each export runs on a thread of its own, started by the test.
#include "frame_probe_state.h"
#include "object_counter.h"
#include "probe_page.h"
#include "sound_counter.h"

#include <commctrl.h>
#include <objbase.h>

#include <set>
#include <vector>

namespace {

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

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

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI InstallObjectCounter(LPVOID) {
    // The slots lead here for the rest of the process's life.
    return static_cast<DWORD>(object_counter::Install(ThisLibrary()));
}

extern "C" __declspec(dllexport) DWORD WINAPI CountObjects(LPVOID) {
    probe_page::SectionView<frame_probe::Section> view(frame_probe::kSectionName, frame_probe::kMagic);
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
    probe_page::SectionView<frame_probe::Section> view(frame_probe::kSectionName, frame_probe::kMagic);
    frame_probe::Section* section = view.get();
    HWND page = probe_page::ShownPage();
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

namespace {

DWORD comAnswer = frame_probe::kComUnknown;

// Runs on the page's thread as a message reaches it: a thread whose COM is
// set up already is told so (S_FALSE); one without it gets it now, undone at once.
LRESULT CALLBACK AskComOnThread(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && comAnswer == frame_probe::kComUnknown) {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comAnswer = hr == S_FALSE ? frame_probe::kComReady : frame_probe::kComMissing;
        if (SUCCEEDED(hr)) CoUninitialize();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI UiThreadHasCom(LPVOID) {
    HWND page = probe_page::ShownPage();
    if (!page) return frame_probe::kComUnknown;
    comAnswer = frame_probe::kComUnknown;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, AskComOnThread, ThisLibrary(),
                                   GetWindowThreadProcessId(page, nullptr));
    if (!hook) return frame_probe::kComUnknown;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(page, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    UnhookWindowsHookEx(hook);
    return comAnswer;
}
