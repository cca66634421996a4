#include "window_dump.h"

#include <windows.h>
#include <tlhelp32.h>

#include <map>
#include <sstream>

namespace driver {
namespace {

constexpr int kMaxLines = 300;

std::map<DWORD, std::string> ProgramNames() {
    std::map<DWORD, std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return names;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        names[entry.th32ProcessID] = entry.szExeFile;
    }
    CloseHandle(snapshot);
    return names;
}

// GetWindowText of another process's window returns the text the system
// keeps for it, without sending that process a message.
std::string Line(HWND window) {
    char className[128] = {};
    char text[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::ostringstream line;
    line << "id " << GetDlgCtrlID(window) << " \"" << className << "\" \"" << text << "\" (" << rect.left << ","
         << rect.top << ")-(" << rect.right << "," << rect.bottom << ")" << (IsWindowVisible(window) ? "" : " hidden")
         << (IsWindowEnabled(window) ? "" : " disabled");
    return line.str();
}

struct Dump {
    std::map<DWORD, std::string> programs;
    std::ostringstream text;
    int lines = 0;

    void Add(const std::string& line) {
        if (lines++ < kMaxLines) text << line << "\n";
    }
};

BOOL CALLBACK AddChild(HWND window, LPARAM param) {
    auto* dump = reinterpret_cast<Dump*>(param);
    dump->Add("      " + Line(window));
    return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM param) {
    auto* dump = reinterpret_cast<Dump*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return TRUE;
    const std::string program = dump->programs.count(process) ? dump->programs[process] : "?";
    // Wine's own desktop and service windows say nothing about the test.
    if (lstrcmpiA(program.c_str(), "explorer.exe") == 0 || lstrcmpiA(program.c_str(), "services.exe") == 0) {
        return TRUE;
    }
    dump->Add("  " + program + " (process " + std::to_string(process) + "): " + Line(window));
    if (IsWindowVisible(window)) EnumChildWindows(window, AddChild, param);
    return TRUE;
}

}  // namespace

std::string DescribeOtherWindows() {
    Dump dump;
    dump.programs = ProgramNames();
    EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&dump));
    if (dump.lines == 0) return "  (no windows of other programs)\n";
    if (dump.lines > kMaxLines) dump.text << "  ... " << dump.lines - kMaxLines << " more\n";
    return dump.text.str();
}

}  // namespace driver
