// Programs under test, the files they write, waiting for them, and the step
// the test is at.
#include "driver.h"
#include "unique_handle.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <fstream>
#include <mutex>
#include <utility>

namespace driver {
namespace {

// The programs started by this test program, for the watchdog's thread. Handles
// rather than ids: an id is soon reused by another process.
std::mutex startedLock;
std::vector<UniqueHandle> started;

// Read by the watchdog's thread while the test's thread writes it.
std::mutex stepLock;
std::string step = "starting";

}  // namespace

void NoteStep(const std::string& text) {
    std::lock_guard<std::mutex> lock(stepLock);
    step = text;
}

std::string CurrentStep() {
    std::lock_guard<std::mutex> lock(stepLock);
    return step;
}

std::string EnvironmentOr(const char* name, const std::string& fallback) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(value) : fallback;
}

std::string BinPath(const std::string& file) { return EnvironmentOr("RAVLEN_BIN_DIR", ".") + "\\" + file; }

std::string FileBesideTest(const std::string& file) {
    char exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path(exe, n < MAX_PATH ? n : 0);
    return path.substr(0, path.find_last_of("\\/") + 1) + file;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process Process::Start(const std::string& program, const std::string& arguments) {
    Process process = TryStart(program, arguments);
    if (!process) ADD_FAILURE() << "cannot start " << program << " (error " << GetLastError() << ")";
    return process;
}

Process Process::TryStart(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    Process process;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return process;
    }
    CloseHandle(info.hThread);
    HANDLE copy = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), info.hProcess, GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
        std::lock_guard<std::mutex> lock(startedLock);
        started.emplace_back(copy);
    }
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    return process;
}

bool Process::WaitForExit(DWORD timeoutMs, const std::string& what) {
    return WaitUntil([this] { return !IsRunning(); }, timeoutMs, what);
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (handle_) GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill() {
    if (IsRunning()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 5000);
    }
    if (handle_) CloseHandle(std::exchange(handle_, nullptr));
}

void EndStartedProcesses() {
    std::lock_guard<std::mutex> lock(startedLock);
    for (const UniqueHandle& process : started) TerminateProcess(process.get(), 1);
}

std::map<DWORD, std::string> ProgramNames() {
    std::map<DWORD, std::string> names;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        names[entry.th32ProcessID] = entry.szExeFile;
    }
    return names;
}

int KillProcessesNamed(const std::string& exeName) {
    int killed = 0;
    for (const auto& [id, name] : ProgramNames()) {
        if (lstrcmpiA(name.c_str(), exeName.c_str()) != 0) continue;
        UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (process && TerminateProcess(process.get(), 1)) {
            WaitForSingleObject(process.get(), 5000);
            ++killed;
        }
    }
    return killed;
}

ScopedEnvironment::ScopedEnvironment(const std::string& name, const std::string& value) : name_(name) {
    std::string old(32767, '\0');
    const DWORD n = GetEnvironmentVariableA(name.c_str(), old.data(), static_cast<DWORD>(old.size()));
    hadOld_ = n > 0 && n < old.size();
    if (hadOld_) old_ = old.substr(0, n);
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableA(name_.c_str(), hadOld_ ? old_.c_str() : nullptr); }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::string& what) {
    NoteStep("waiting up to " + std::to_string(timeoutMs) + " ms for " + what);
    // The condition is asked once more after the time is up.
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(15)) {
        const bool last = GetTickCount64() >= deadline;
        if (condition()) {
            NoteStep("done waiting for " + what);
            return true;
        }
        if (last) break;
    }
    NoteStep("gave up waiting for " + what);
    ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << what;
    return false;
}

void Pause(DWORD ms) { Sleep(ms); }

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> WaitForLines(const std::string& path, size_t count, DWORD timeoutMs) {
    std::vector<std::string> lines;
    WaitUntil([&] { return (lines = ReadLines(path)).size() >= count; }, timeoutMs,
              std::to_string(count) + " lines in " + path);
    return lines;
}

std::string TempFilePath(const std::string& stem) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64()) + ".log";
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace driver
