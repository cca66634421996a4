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

bool IsFullPath(const std::string& path) {
    const bool drive = path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool share = path.rfind("\\\\", 0) == 0;
    return drive || share;
}

// A bare name is the program beside this DLL, and only there: never the
// current folder or the search path, where anyone could plant a program of
// that name. A full path is taken as given. Empty when there is none.
std::string FindProgram(const std::string& name) {
    if (IsFullPath(name)) return IsFile(name) ? name : std::string();
    if (name.find_first_of("\\/:") != std::string::npos) return {};
    const std::string folder = ModuleFolder();
    if (folder.empty() || !IsFile(folder + name)) return {};
    return folder + name;
}

BOOL Launch(LPCSTR program, LPCSTR arguments, LPCSTR directory) {
    const std::string path = FindProgram(program);
    if (path.empty()) return FALSE;
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

}  // namespace

BOOL __cdecl LaunchProgram(LPCSTR program, LPCSTR arguments, LPCSTR directory, DWORD /*flags*/) {
    if (!program || !*program) return FALSE;
    try {
        return Launch(program, arguments, directory);
    } catch (...) {
        return FALSE;  // no exception reaches the C caller
    }
}
