#include "save_pass.h"

#include "daemon_messages.h"
#include "key_records.h"
#include "save_steps.h"
#include "sheet.h"

void RunSavePass(const CPSheet& sheet, SettingsSink& sink, DaemonLink& daemon, LANGID uiLanguage) {
    // The seven key records first, each rebuilt from nothing after a reset.
    for (int k = 0; k < kKeyCount; ++k) keys::SaveKey(k, sheet.m_customizeKeys.m_resetFlag != 0, sink);
    SaveOsdSettings(sheet.m_osd, sink, uiLanguage);
    SaveEnabledFlags(sheet, sink);
    NotifyDaemon(sheet.m_osd.m_trayRadio, sink, daemon);
}

void NotifyDaemon(int trayRadio, SettingsSink& sink, DaemonLink& daemon) {
    // Posted, never sent: the wizard does not wait for the daemon.
    HWND running = daemon.Find();
    if (running) daemon.Post(running, kDaemonSettingsChanged);
    switch (trayRadio) {
    case 0:
        sink.Set(store::kTrayHide, 0);
        if (running) {
            daemon.Post(running, kDaemonShowTrayIcon);
        } else {
            daemon.Start();
        }
        break;
    case 1:
        sink.Set(store::kTrayHide, 1);
        if (running) daemon.Post(running, kDaemonHideTrayIcon);
        break;
    default:
        // The On-Screen Display page was never shown: the tray stays as it is.
        break;
    }
}
