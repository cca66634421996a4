// A program started by the runner, and the processes it leaves behind.
#pragma once

#include "unique_handle.h"

#include <windows.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    ChildProcess() = default;
    // Ends the program if it still runs, so that no run leaks into the next.
    ~ChildProcess();
    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&&) noexcept = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts program in its own folder. On failure returns an empty object and
    // sets error.
    static ChildProcess Start(const std::string& program, std::string& error);

    explicit operator bool() const { return static_cast<bool>(process_); }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    ULONGLONG createdAt() const { return createdAt_; }
    bool HasEnded() const;
    DWORD ExitCode() const;
    bool WaitForEnd(DWORD timeoutMs) const;
    void Terminate();

private:
    UniqueHandle process_;
    DWORD id_ = 0;
    ULONGLONG createdAt_ = 0;
};

// Processes still running that run a file named exeName (a second copy may
// linger) or descend from root (the program may hand its work on). Process ids
// are soon reused, so descendants count only when made after root; a null root
// has none.
std::vector<DWORD> LeftoverProcesses(const ChildProcess* root, const std::string& exeName);
// Waits until LeftoverProcesses is empty; false when timeoutMs runs out.
bool WaitForNoLeftovers(const ChildProcess* root, const std::string& exeName, DWORD timeoutMs,
                        std::vector<DWORD>& left);
