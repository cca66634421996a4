#include "child_process.h"

#include "stopwatch.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

// When the process was made, in 100 ns units; 0 when it cannot be read.
ULONGLONG CreationTime(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool MadeSince(DWORD id, ULONGLONG since) {
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    return process && CreationTime(process.get()) >= since;
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (process_ && !HasEnded()) Terminate();
}

ChildProcess ChildProcess::Start(const std::string& program, std::string& error) {
    std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + program + "\"";
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ChildProcess child;
    if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        error = "cannot start " + program + " (error " + std::to_string(GetLastError()) + ")";
        return child;
    }
    CloseHandle(info.hThread);
    child.process_ = UniqueHandle(info.hProcess);
    child.id_ = info.dwProcessId;
    child.createdAt_ = CreationTime(info.hProcess);
    return child;
}

bool ChildProcess::HasEnded() const { return !process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool ChildProcess::WaitForEnd(DWORD timeoutMs) const {
    return !process_ || WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

void ChildProcess::Terminate() {
    if (!process_) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
}

std::vector<DWORD> LeftoverProcesses(const ChildProcess* root, const std::string& exeName) {
    std::vector<DWORD> left;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return left;
    struct Entry {
        DWORD id, parent;
        bool sameName;
    };
    std::vector<Entry> entries;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID,
                           lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0});
    }
    // The program itself (when it has not ended), then its descendants, level by level.
    std::vector<DWORD> family;
    if (root) family.push_back(root->id());
    for (size_t i = 0; i < family.size(); ++i) {
        for (const Entry& e : entries) {
            if (e.parent == family[i] && e.id != family[i] &&
                std::find(family.begin(), family.end(), e.id) == family.end() && MadeSince(e.id, root->createdAt()))
                family.push_back(e.id);
        }
    }
    for (const Entry& e : entries) {
        if (e.id == GetCurrentProcessId()) continue;
        // The root's own id counts only while it runs: after that it may be another's.
        bool inFamily = std::find(family.begin(), family.end(), e.id) != family.end() &&
                        (e.id != root->id() || !root->HasEnded());
        if (inFamily || e.sameName) left.push_back(e.id);
    }
    return left;
}

bool WaitForNoLeftovers(const ChildProcess* root, const std::string& exeName, DWORD timeoutMs,
                        std::vector<DWORD>& left) {
    Stopwatch clock;
    for (;;) {
        left = LeftoverProcesses(root, exeName);
        if (left.empty()) return true;
        if (clock.ElapsedMs() > timeoutMs) return false;
        Sleep(10);
    }
}
