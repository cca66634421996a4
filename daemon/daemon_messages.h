// The messages that the wizard posts to the daemon's window.
#pragma once

#include <windows.h>

constexpr char kDaemonWindowClass[] = "DormexDaemon";
constexpr UINT kDaemonSettingsChanged = 1840;  // re-read the settings
constexpr UINT kDaemonShowTrayIcon = 1841;
constexpr UINT kDaemonHideTrayIcon = 1842;
