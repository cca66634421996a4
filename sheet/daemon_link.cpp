#include "daemon_link.h"

#include "DormexUtil.h"
#include "daemon_messages.h"

HWND SystemDaemonLink::Find() { return ::FindWindowA(kDaemonWindowClass, nullptr); }

void SystemDaemonLink::Post(HWND daemon, UINT message) { ::PostMessageA(daemon, message, 0, 0); }

void SystemDaemonLink::Start() { LaunchProgram(kDaemonProgram, nullptr, nullptr, 0); }
