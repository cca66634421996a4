// The Save pass that Finish runs: every page's choices into the settings
// store, then the daemon told to take them up.
#pragma once

#include "daemon_link.h"
#include "settings_sink.h"

class CPSheet;

void RunSavePass(const CPSheet& sheet, SettingsSink& sink, DaemonLink& daemon, LANGID uiLanguage);

// After the values are written: tell a running daemon, and by the tray
// choice show or hide its icon, or start it.
void NotifyDaemon(int trayRadio, SettingsSink& sink, DaemonLink& daemon);
