#include "save_pass_timer.h"

#include "options.h"
#include "stopwatch.h"
#include "unique_handle.h"

#include <windows.h>

#include <vector>

namespace {

// Generous: under Wine the shell tree timer opens a folder of 5 000 files.
constexpr DWORD kTimerLimitMs = 280000;

// Reads what is in the pipe now, without waiting for more.
void Drain(HANDLE pipe, std::string& output) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD read = 0;
        if (!ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) || read == 0) return;
        output.append(buffer, read);
    }
}

}  // namespace

bool RunSavePassTimer(const std::string& timer, std::string& output, std::string& error) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        error = "cannot make a pipe (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    UniqueHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

    std::string folder = timer.substr(0, timer.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + timer + "\"";
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(timer.c_str(), mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        error = "cannot start " + timer + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    UniqueHandle process(info.hProcess), thread(info.hThread);
    writer.Reset();

    // Whatever the timer starts may hold the pipe open, so its end is the
    // process's end, not the pipe's.
    Stopwatch clock;
    while (WaitForSingleObject(process.get(), 10) == WAIT_TIMEOUT) {
        Drain(reader.get(), output);
        if (clock.ElapsedMs() > kTimerLimitMs) {
            TerminateProcess(process.get(), 1);
            WaitForSingleObject(process.get(), 5000);
            error = FileName(timer) + " did not end within " + std::to_string(kTimerLimitMs / 1000) + " s";
            return false;
        }
    }
    Drain(reader.get(), output);
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    if (code != 0) {
        error = FileName(timer) + " ended with exit code " + std::to_string(code);
        return false;
    }
    return true;
}
