// The daemon's notification-area icon (the system's application icon).
#pragma once

#include <windows.h>

class TrayIcon {
public:
    explicit TrayIcon(HWND owner) : owner_(owner) {}
    ~TrayIcon() { Hide(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Show();
    void Hide();

private:
    HWND owner_;
    bool shown_ = false;
};
