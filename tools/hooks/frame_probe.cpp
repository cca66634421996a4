// RavlenFrameProbe.dll: loaded into a running wizard by a test, it counts the
// GDI objects the program's modules hold and looks at what another process
// cannot see under Wine: the cursor shown, the fonts of the page's controls and
// the commands its hidden frame is sent. Each export runs on a thread of its
// own, started by the test. It also holds a CBT hook procedure that a test
// sets over the desktop to keep the wizard from making its sheet.
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

DWORD g_lastFrameCommand = 0;  // written on the program's thread, read by the probe's

LRESULT CALLBACK RecordFrameCommand(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent && sent->message == WM_COMMAND) {
        char className[32] = {};
        GetClassNameA(sent->hwnd, className, sizeof className);
        if (lstrcmpA(className, frame_probe::kFrameClass) == 0) {
            InterlockedExchange(reinterpret_cast<volatile LONG*>(&g_lastFrameCommand), static_cast<LONG>(sent->wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

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

bool InRavlen() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = path;
    for (const char* c = path; *c; ++c) {
        if (*c == '\\' || *c == '/') name = c + 1;
    }
    return lstrcmpiA(name, "Ravlen.exe") == 0;
}

bool IsDialogClass(LPCSTR className) {
    if (IS_INTRESOURCE(className)) return LOWORD(reinterpret_cast<ULONG_PTR>(className)) == 0x8002;
    return lstrcmpiA(className, "#32770") == 0;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI WatchFrameCommands(LPVOID) {
    HWND frame = nullptr;
    while ((frame = FindWindowExA(nullptr, frame, frame_probe::kFrameClass, nullptr)) != nullptr) {
        DWORD process = 0;
        const DWORD thread = GetWindowThreadProcessId(frame, &process);
        if (process != GetCurrentProcessId()) continue;
        return SetWindowsHookExA(WH_CALLWNDPROC, RecordFrameCommand, ThisLibrary(), thread) ? 1 : 0;
    }
    return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI LastFrameCommand(LPVOID) {
    return static_cast<DWORD>(InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&g_lastFrameCommand), 0, 0));
}

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseWizardSheet(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && InRavlen()) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const CREATESTRUCTA* window = create ? create->lpcs : nullptr;
        if (window && !window->hwndParent && !(window->style & WS_CHILD) && IsDialogClass(window->lpszClass)) {
            if (HANDLE refused = OpenEventA(EVENT_MODIFY_STATE, FALSE, frame_probe::kSheetRefusedEvent)) {
                SetEvent(refused);
                CloseHandle(refused);
            }
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

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
