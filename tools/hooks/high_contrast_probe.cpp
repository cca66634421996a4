// HighContrastProbe.exe: a window of class "HighContrastProbe" whose caption
// shows what this process's SystemParametersInfoA reports, as
// "<on|off> <WM_SETTINGCHANGE count> <wheel scroll lines>", e.g. "on 1 3".
// Updated at start and on every WM_SETTINGCHANGE. The wheel setting shows that
// queries other than high contrast still reach the system.
#include <windows.h>

#include <string>

namespace {

constexpr char kClassName[] = "HighContrastProbe";

// Asked as the wizard asks: a 12-byte structure (the 32-bit size), 12 as the
// parameter and 2 as the last argument. A failed query counts as off.
bool HighContrastOn() {
    HIGHCONTRASTA query = {};
    query.cbSize = 12;
    if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, 12, &query, SPIF_SENDCHANGE)) return false;
    return (query.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

std::string WheelLines() {
    UINT lines = 0;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return "error";
    return std::to_string(lines);
}

void ShowState(HWND window, int settingChanges) {
    const std::string caption =
        std::string(HighContrastOn() ? "on " : "off ") + std::to_string(settingChanges) + " " + WheelLines();
    SetWindowTextA(window, caption.c_str());
}

LRESULT CALLBACK ProbeWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    static int settingChanges = 0;
    switch (msg) {
    case WM_CREATE:
        ShowState(window, settingChanges);
        return 0;
    case WM_SETTINGCHANGE:
        ShowState(window, ++settingChanges);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, kClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 120, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
