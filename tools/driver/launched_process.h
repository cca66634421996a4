// Programs under test: started, watched and, if a test leaves one running,
// ended.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace driver {

// An environment variable of this process, or fallback when it is not set.
std::string EnvironmentOr(const char* name, const std::string& fallback);
// The full path of a file in the build's bin/ folder (RAVLEN_BIN_DIR).
std::string BinPath(const std::string& file);

class Process {
public:
    Process() = default;
    ~Process() { Kill(); }
    Process(Process&& other) noexcept { *this = std::move(other); }
    Process& operator=(Process&& other) noexcept;

    // Starts program with an optional argument string; the child inherits this
    // process's environment. Adds a failure and returns an empty Process when
    // the program cannot be started.
    static Process Start(const std::string& program, const std::string& arguments = {});
    // The same, but a program that cannot be started is no failure of the test.
    static Process TryStart(const std::string& program, const std::string& arguments = {});

    explicit operator bool() const { return handle_ != nullptr; }
    DWORD id() const { return id_; }
    bool IsRunning() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }
    // Waits for the process to end; reports a failure on timeout.
    bool WaitForExit(DWORD timeoutMs, const std::string& what);
    DWORD ExitCode() const;
    // Ends the process if it still runs.
    void Kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Ends every program that Process::Start started and that still runs: the
// last act of a test program that ran out of time.
void EndStartedProcesses();
// The running programs' file names, by process id.
std::map<DWORD, std::string> ProgramNames();
// Ends every process whose program file is named exeName (for example
// "Ravlen.exe"), as a test's start from a clean slate; returns how many.
int KillProcessesNamed(const std::string& exeName);

// Sets an environment variable of this process (and so of the programs it
// starts) for its lifetime, and restores the old value after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const std::string& name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace driver
