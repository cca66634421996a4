#include "DormexUtil.h"

#include <string>

namespace {

// The folder of this DLL, with a trailing backslash; empty when it cannot be told.
std::string ModuleFolder() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ModuleFolder), &self)) {
        return {};
    }
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::string folder(path, n);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program beside this DLL first, then wherever the search path finds it.
std::string FindProgram(LPCSTR program) {
    std::string name = program;
    if (name.find_first_of("\\/:") == std::string::npos) {
        std::string beside = ModuleFolder() + name;
        if (IsFile(beside)) return beside;
        char found[MAX_PATH] = {};
        DWORD n = SearchPathA(nullptr, program, ".exe", MAX_PATH, found, nullptr);
        if (n > 0 && n < MAX_PATH) return found;
    }
    return name;
}

}  // namespace

BOOL __cdecl LaunchProgram(LPCSTR program, LPCSTR arguments, LPCSTR directory, DWORD /*flags*/) {
    if (!program || !*program) return FALSE;
    const std::string path = FindProgram(program);
    std::string commandLine = "\"" + path + "\"";
    if (arguments && *arguments) commandLine.append(" ").append(arguments);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory && *directory ? directory : nullptr, &startup, &process)) {
        return FALSE;
    }
    // Started, not waited for.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return TRUE;
}
