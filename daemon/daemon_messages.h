// The daemon as the wizard reaches it: its window class and the messages posted to it.
#pragma once

#include <windows.h>

constexpr char kDaemonWindowClass[] = "DormexDaemon";
constexpr UINT kDaemonSettingsChanged = 1840;  // re-read the settings
constexpr UINT kDaemonShowTrayIcon = 1841;
constexpr UINT kDaemonHideTrayIcon = 1842;

// The daemon's program, started from the profile library's own folder.
constexpr char kDaemonProgram[] = "DormexDaemon.EXE";
