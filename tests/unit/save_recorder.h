// Records what the Save pass writes and tells the daemon, in one ordered list.
#pragma once

#include "daemon_link.h"
#include "settings_sink.h"

#include <string>
#include <vector>

class SaveRecorder : public SettingsSink, public DaemonLink {
public:
    explicit SaveRecorder(bool daemonRunning) : running_(daemonRunning) {}

    void SetNumber(LPCSTR subkey, LPCSTR name, DWORD value) override {
        log.push_back(std::string("number ") + subkey + "\\" + name + "=" + std::to_string(value));
    }
    void SetString(LPCSTR subkey, LPCSTR name, LPCSTR value) override {
        log.push_back(std::string("string ") + subkey + "\\" + name + "=" + value);
    }
    void SetBinary(LPCSTR subkey, LPCSTR name, const BYTE*, DWORD size) override {
        log.push_back(std::string("binary ") + subkey + "\\" + name + "=" + std::to_string(size) + " bytes");
    }
    void DelKey(LPCSTR parent, LPCSTR child) override { log.push_back(std::string("delete ") + parent + "\\" + child); }

    HWND Find() override { return running_ ? HWND_BROADCAST : nullptr; }
    void Post(HWND, UINT message) override { log.push_back("post " + std::to_string(message)); }
    void Start() override { log.push_back("start daemon"); }

    std::vector<std::string> log;

private:
    bool running_;
};
