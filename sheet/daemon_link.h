// How the sheet reaches the resident daemon: find its window, post it a
// message, start it. Tests put a recorder in its place.
#pragma once

#include <windows.h>

class DaemonLink {
public:
    virtual ~DaemonLink() = default;
    // The daemon's window, or null when it does not run.
    virtual HWND Find() = 0;
    virtual void Post(HWND daemon, UINT message) = 0;
    // Starts the daemon without waiting for it.
    virtual void Start() = 0;
};

class SystemDaemonLink : public DaemonLink {
public:
    HWND Find() override;
    void Post(HWND daemon, UINT message) override;
    void Start() override;
};
