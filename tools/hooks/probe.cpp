// RavlenFrameProbe.dll: brought into a running program by a test's message
// hook, it serves the test's block from a thread of its own (started as it
// loads), and holds the exports that answer: the cursor shown, the controls'
// fonts, the page's base units, COM on the page's thread, the frame's
// commands and the high-contrast queries. It also holds a CBT hook procedure that a test sets over the
// desktop to keep the wizard from making its sheet.
#include "import_patch.h"
#include "probe.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

// Mapped and opened for the life of the process.
frame_probe::Block* block = nullptr;
HANDLE request = nullptr;
HANDLE answered = nullptr;

DWORD WINAPI Serve(LPVOID) {
    probe::ThisLibrary();  // pinned before the hook that brought it in goes
    InterlockedExchange(&block->serving, 1);
    while (WaitForSingleObject(request, INFINITE) == WAIT_OBJECT_0) {
        const std::uint32_t number = block->asked;
        char name[sizeof block->request] = {};
        lstrcpynA(name, block->request, sizeof name);
        const auto run = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(probe::ThisLibrary(), name)));
        block->answer = run ? run(reinterpret_cast<void*>(static_cast<UINT_PTR>(block->parameter)))
                            : frame_probe::kNoExport;
        block->answered = number;
        SetEvent(answered);
    }
    return 0;
}

// Only a process that a test made a block for is served: a desktop-wide hook
// brings the library into others too.
void ServeTheTest() {
    using frame_probe::Name;
    const DWORD id = GetCurrentProcessId();
    if (HANDLE section = OpenFileMappingA(FILE_MAP_WRITE, FALSE, Name(id, "Block").c_str())) {
        block = static_cast<frame_probe::Block*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof *block));
    }
    request = OpenEventA(SYNCHRONIZE, FALSE, Name(id, "Request").c_str());
    answered = OpenEventA(EVENT_MODIFY_STATE, FALSE, Name(id, "Answer").c_str());
    if (block && request && answered) {
        // The thread runs once the loader has finished with this library.
        if (HANDLE thread = CreateThread(nullptr, 0, Serve, nullptr, 0, nullptr)) CloseHandle(thread);
    }
}

BOOL CALLBACK CollectOwn(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) ServeTheTest();
    return TRUE;
}

frame_probe::Block& probe::Answers() { return *block; }

HMODULE probe::ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

std::vector<HWND> probe::OwnTopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectOwn, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The sheet is the process's top-level window that names a shown page.
HWND probe::ShownPage() {
    for (HWND window : OwnTopLevelWindows()) {
        DWORD_PTR page = 0;
        if (IsWindowVisible(window) &&
            SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page) && page) {
            return reinterpret_cast<HWND>(page);
        }
    }
    return nullptr;
}

HWND probe::ShownPageControl(LPVOID id) {
    HWND page = ShownPage();
    return page ? GetDlgItem(page, static_cast<int>(reinterpret_cast<INT_PTR>(id))) : nullptr;
}

HFONT probe::FontOf(HWND control) {
    DWORD_PTR font = 0;
    SendMessageTimeoutA(control, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font);
    return reinterpret_cast<HFONT>(font);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK BringProbeIn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
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
    const HFONT font = probe::FontOf(probe::ShownPageControl(controlId));
    return font && GetObjectA(font, sizeof(LOGFONTA), &probe::Answers().font) ? 1 : 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI ShownPageBaseUnits(LPVOID) {
    HWND page = probe::ShownPage();
    RECT base = {0, 0, 4, 8};
    return page && MapDialogRect(page, &base) ? MAKELONG(base.right, base.bottom) : 0;
}

namespace {

LONG lastFrameCommand = 0;  // written on the program's thread, read by the probe's

LRESULT CALLBACK RecordFrameCommand(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char className[32] = {};
    if (code == HC_ACTION && sent && sent->message == WM_COMMAND &&
        GetClassNameA(sent->hwnd, className, sizeof className) && lstrcmpA(className, frame_probe::kFrameClass) == 0) {
        InterlockedExchange(&lastFrameCommand, static_cast<LONG>(sent->wParam));
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
        return SetWindowsHookExA(WH_CALLWNDPROC, RecordFrameCommand, probe::ThisLibrary(), thread) ? 1 : 0;
    }
    return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI LastFrameCommand(LPVOID) {
    return static_cast<DWORD>(InterlockedCompareExchange(&lastFrameCommand, 0, 0));
}

extern "C" __declspec(dllexport) DWORD WINAPI UiThreadHasCom(LPVOID) {
    HWND page = probe::ShownPage();
    if (!page) return frame_probe::kComUnknown;
    comAnswer = frame_probe::kComUnknown;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, AskComOnThread, probe::ThisLibrary(),
                                   GetWindowThreadProcessId(page, nullptr));
    if (!hook) return frame_probe::kComUnknown;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(page, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    UnhookWindowsHookEx(hook);
    return comAnswer;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseWizardSheet(int code, WPARAM wParam, LPARAM lParam) {
    const bool inRavlen = GetModuleHandleA(nullptr) == GetModuleHandleA("Ravlen.exe");
    if (code == HCBT_CREATEWND && inRavlen) {
        const CREATESTRUCTA* window = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!window->hwndParent && !(window->style & WS_CHILD) && IsDialogClass(window->lpszClass)) {
            if (HANDLE refused = OpenEventA(EVENT_MODIFY_STATE, FALSE, frame_probe::kSheetRefusedEvent)) {
                SetEvent(refused);
                CloseHandle(refused);
            }
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

// What SPI_GETHIGHCONTRAST answers: the state the test set, or the system's own.
LONG highContrast = frame_probe::kSystemContrast;

// HIGHCONTRASTA and HIGHCONTRASTW share their layout up to the scheme name.
// The flags are answered whenever the structure holds them: a 32-bit caller's
// 12-byte structure is accepted in a 64-bit process too.
template <typename HighContrast, typename System>
BOOL AnswerContrast(System system, UINT action, UINT param, PVOID data, UINT winIni) noexcept {
    const LONG state = InterlockedCompareExchange(&highContrast, 0, 0);
    if (action != SPI_GETHIGHCONTRAST || state == frame_probe::kSystemContrast) {
        return system(action, param, data, winIni);
    }
    auto* answer = static_cast<HighContrast*>(data);
    if (!answer || answer->cbSize < offsetof(HighContrast, dwFlags) + sizeof answer->dwFlags) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    answer->dwFlags = HCF_AVAILABLE | (state == frame_probe::kContrastOn ? HCF_HIGHCONTRASTON : 0);
    if (answer->cbSize >= sizeof(HighContrast)) answer->lpszDefaultScheme = nullptr;
    return TRUE;
}

BOOL WINAPI SystemParametersA(UINT action, UINT param, PVOID data, UINT winIni) {
    return AnswerContrast<HIGHCONTRASTA>(&SystemParametersInfoA, action, param, data, winIni);
}

BOOL WINAPI SystemParametersW(UINT action, UINT param, PVOID data, UINT winIni) {
    return AnswerContrast<HIGHCONTRASTW>(&SystemParametersInfoW, action, param, data, winIni);
}

}  // namespace

// Safe to run again: modules loaded since are redirected too.
extern "C" __declspec(dllexport) DWORD WINAPI AnswerHighContrast(LPVOID state) {
    InterlockedExchange(&highContrast, static_cast<LONG>(reinterpret_cast<INT_PTR>(state)));
    DWORD slotsA = 0;
    DWORD slotsW = 0;
    for (HMODULE module : ProcessModules()) {
        if (module == probe::ThisLibrary()) continue;
        slotsA += static_cast<DWORD>(RedirectImports(module, &SystemParametersInfoA, &SystemParametersA));
        slotsW += static_cast<DWORD>(RedirectImports(module, &SystemParametersInfoW, &SystemParametersW));
    }
    return (slotsA & 0xFFFF) | (slotsW << 16);
}
