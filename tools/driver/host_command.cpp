#include "host_command.h"

#include "driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace driver {
namespace {

// Wine's own exports for its path mapping, missing on Windows.
using ToUnix = char*(CDECL*)(LPCWSTR);
using ToDos = WCHAR*(CDECL*)(const char*);

FARPROC WineExport(const char* name) { return GetProcAddress(GetModuleHandleA("kernel32.dll"), name); }

}  // namespace

std::string HostPath(const std::string& windowsPath) {
    auto convert = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(WineExport("wine_get_unix_file_name")));
    if (!convert) return {};
    char* host = convert(Wide(windowsPath).c_str());
    if (!host) return {};
    std::string result = host;
    HeapFree(GetProcessHeap(), 0, host);
    return result;
}

std::string WindowsPath(const std::string& hostPath) {
    auto convert = reinterpret_cast<ToDos>(reinterpret_cast<void*>(WineExport("wine_get_dos_file_name")));
    if (!convert) return {};
    WCHAR* dos = convert(hostPath.c_str());
    if (!dos) return {};
    char path[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, dos, -1, path, sizeof path, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::optional<int> RunOnHost(const std::string& shellCommand, DWORD timeoutMs) {
    const std::string script = TempFilePath("host-command") + ".sh";
    const std::string status = script + ".status";
    const std::string hostScript = HostPath(script);
    const std::string hostStatus = HostPath(status);
    if (hostScript.empty() || hostStatus.empty()) {
        ADD_FAILURE() << "no host path for " << script << ": not running under Wine?";
        return std::nullopt;
    }
    {
        std::ofstream file(script, std::ios::binary);
        // Written whole under another name, so that a reader never sees half a status.
        file << "(" << shellCommand << ")\necho $? > " << ShellQuote(hostStatus + ".tmp") << " && mv "
             << ShellQuote(hostStatus + ".tmp") << ' ' << ShellQuote(hostStatus) << '\n';
    }
    std::string commandLine = "/bin/sh \"" + hostScript + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        ADD_FAILURE() << "cannot start the host's shell for: " << shellCommand << " (error " << GetLastError() << ")";
        DeleteFileA(script.c_str());
        return std::nullopt;
    }
    if (started.hThread) CloseHandle(started.hThread);
    if (started.hProcess) CloseHandle(started.hProcess);

    std::optional<int> result;
    if (WaitUntil([&] { return GetFileAttributesA(status.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs,
                  "the host command to end: " + shellCommand)) {
        const std::vector<std::string> lines = ReadLines(status);
        result = lines.empty() ? -1 : std::atoi(lines.front().c_str());
    }
    DeleteFileA(script.c_str());
    DeleteFileA(status.c_str());
    return result;
}

}  // namespace driver
