#include "event_log.h"

#include <cstring>
#include <string>

namespace {

std::string LogPath() {
    char path[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("DORMEX_DAEMON_LOG", path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) return path;
    n = GetTempPathA(MAX_PATH, path);
    std::string folder = (n > 0 && n < MAX_PATH) ? std::string(path, n) : std::string(".\\");
    return folder + "DormexDaemon.log";
}

}  // namespace

EventLog::EventLog() {
    // Shared for reading, writing and deleting, so that a reader can look (or a
    // test start afresh) while the daemon runs. FILE_APPEND_DATA alone makes every
    // write land at the end, even with another writer.
    file_ = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

EventLog::~EventLog() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void EventLog::Append(const char* line) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    std::string text = std::string(line) + "\r\n";
    DWORD written = 0;
    WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    FlushFileBuffers(file_);
}
