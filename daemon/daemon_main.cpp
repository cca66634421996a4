// The daemon stand-in: one instance, one hidden top-level window of class
// "DormexDaemon", a log line for its start and for each message it is posted.
#include "daemon_messages.h"
#include "event_log.h"
#include "tray_icon.h"

#include <string>

namespace {

struct Daemon {
    EventLog log;
    TrayIcon* tray = nullptr;
};

LRESULT CALLBACK DaemonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* daemon = reinterpret_cast<Daemon*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    switch (msg) {
    case kDaemonSettingsChanged:
    case kDaemonShowTrayIcon:
    case kDaemonHideTrayIcon:
        if (daemon) {
            daemon->log.Append(std::to_string(msg).c_str());
            if (daemon->tray && msg == kDaemonShowTrayIcon) daemon->tray->Show();
            if (daemon->tray && msg == kDaemonHideTrayIcon) daemon->tray->Hide();
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class Mutex {
public:
    explicit Mutex(LPCSTR name) : handle_(CreateMutexA(nullptr, FALSE, name)), existed_(GetLastError() == ERROR_ALREADY_EXISTS) {}
    ~Mutex() { if (handle_) CloseHandle(handle_); }
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    bool AlreadyExisted() const { return existed_; }

private:
    HANDLE handle_;
    bool existed_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Mutex single("DormexDaemonInstance");
    if (single.AlreadyExisted()) return 0;

    Daemon daemon;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DaemonWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kDaemonWindowClass;
    if (!RegisterClassA(&wc)) return 1;

    // A top-level window, never shown: FindWindow cannot see message-only windows.
    HWND hwnd = CreateWindowExA(0, kDaemonWindowClass, "DormexDaemon", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                instance, &daemon);
    if (!hwnd) return 1;
    TrayIcon tray(hwnd);
    daemon.tray = &tray;
    daemon.log.Append("start");

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    daemon.tray = nullptr;
    return 0;
}
