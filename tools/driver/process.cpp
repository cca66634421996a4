#include "process.h"

#include "wait.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <mutex>
#include <vector>

namespace driver {
namespace {

// The programs started by this test program, for the watchdog's thread. Handles
// rather than ids: an id is soon reused by another process.
class StartedProcesses {
public:
    ~StartedProcesses() {
        for (HANDLE process : handles_) CloseHandle(process);
    }
    void Add(HANDLE process) {
        HANDLE copy = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &copy, 0, FALSE,
                             DUPLICATE_SAME_ACCESS)) {
            return;
        }
        std::lock_guard<std::mutex> lock(lock_);
        handles_.push_back(copy);
    }
    void EndRunning() {
        std::lock_guard<std::mutex> lock(lock_);
        for (HANDLE process : handles_) {
            if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 1);
        }
    }

private:
    std::mutex lock_;
    std::vector<HANDLE> handles_;
};

StartedProcesses started;

}  // namespace

std::string BinPath(const std::string& file) {
    char dir[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("RAVLEN_BIN_DIR", dir, MAX_PATH);
    std::string folder = (n > 0 && n < MAX_PATH) ? std::string(dir) : std::string(".");
    return folder + "\\" + file;
}

Process::~Process() { Kill(); }

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
    other.handle_ = nullptr;
    other.id_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        handle_ = other.handle_;
        id_ = other.id_;
        other.handle_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Process Process::Start(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    Process process;
    if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        ADD_FAILURE() << "cannot start " << program << " (error " << GetLastError() << ")";
        return process;
    }
    CloseHandle(info.hThread);
    started.Add(info.hProcess);
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    return process;
}

bool Process::IsRunning() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD timeoutMs, const std::string& what) {
    return WaitUntil([this] { return !IsRunning(); }, timeoutMs, what);
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (handle_) GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill() {
    if (!handle_) return;
    if (IsRunning()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 5000);
    }
    CloseHandle(handle_);
    handle_ = nullptr;
}

void EndStartedProcesses() { started.EndRunning(); }

int KillProcessesNamed(const std::string& exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    int killed = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) != 0) continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            if (TerminateProcess(process, 1)) {
                WaitForSingleObject(process, 5000);
                ++killed;
            }
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return killed;
}

ScopedEnvironment::ScopedEnvironment(const std::string& name, const std::string& value) : name_(name) {
    char old[32767];
    DWORD n = GetEnvironmentVariableA(name.c_str(), old, sizeof old);
    hadOld_ = n > 0 && n < sizeof old;
    if (hadOld_) old_.assign(old, n);
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableA(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
}

}  // namespace driver
