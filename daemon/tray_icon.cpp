#include "tray_icon.h"

#include <shellapi.h>

#include <cstring>

namespace {

NOTIFYICONDATAA IconData(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 1;
    return data;
}

}  // namespace

void TrayIcon::Show() {
    if (shown_) return;
    NOTIFYICONDATAA data = IconData(owner_);
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    std::strncpy(data.szTip, "DormexDaemon", sizeof data.szTip - 1);
    // Without a notification area (as on a bare X server) this fails; the daemon
    // still counts the icon as wanted, so a later Hide stays harmless.
    Shell_NotifyIconA(NIM_ADD, &data);
    shown_ = true;
}

void TrayIcon::Hide() {
    if (!shown_) return;
    NOTIFYICONDATAA data = IconData(owner_);
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}
