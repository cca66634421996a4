// The daemon's log: one line per event, appended and on disk at once.
#pragma once

#include <windows.h>

class EventLog {
public:
    // Opens the file named by DORMEX_DAEMON_LOG, or %TEMP%\DormexDaemon.log.
    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void Append(const char* line);

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};
