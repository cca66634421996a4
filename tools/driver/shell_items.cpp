#include "shell_items.h"

#include "unique_handle.h"
#include "window_query.h"

#include <shlobj.h>

#include <fstream>

namespace driver {
namespace {

// A shell link object and its file interface.
struct ShellLink {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    ShellLink() {
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out()))) {
            link->QueryInterface(IID_IPersistFile, file.Out());
        }
    }
    bool Save(const std::string& path) const { return file.p && SUCCEEDED(file->Save(Wide(path).c_str(), TRUE)); }
};

// The path in the wide form that the file functions take at any length.
std::wstring LongPath(const std::string& path) { return L"\\\\?\\" + Wide(path); }

}  // namespace

std::string SpecialFolderPath(int csidl) {
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE) ? path : "";
}

bool MakeShellLink(const std::string& linkPath, const char* target, const char* arguments) {
    ShellLink shell;
    return shell.link.p && SUCCEEDED(shell.link->SetPath(target)) && SUCCEEDED(shell.link->SetArguments(arguments)) &&
           shell.Save(linkPath);
}

std::string ShellLinkTarget(const std::string& linkPath) {
    ShellLink shell;
    char target[MAX_PATH] = {};
    if (!shell.file.p || FAILED(shell.file->Load(Wide(linkPath).c_str(), STGM_READ)) ||
        FAILED(shell.link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        return {};
    }
    return target;
}

bool MakeShellLinkToFolder(const std::string& linkPath, int csidl) {
    LPITEMIDLIST folder = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &folder))) return false;
    ShellLink shell;
    const bool ok = shell.link.p && SUCCEEDED(shell.link->SetIDList(folder)) && shell.Save(linkPath);
    CoTaskMemFree(folder);
    return ok;
}

bool MakeUrlShortcut(const std::string& path, const std::string& address) {
    std::ofstream file(path, std::ios::binary);
    file << "[InternetShortcut]\r\nURL=" << address << "\r\n";
    return static_cast<bool>(file);
}

bool MakeFile(const std::string& path, bool hidden) {
    const UniqueHandle file(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr));
    const char text[] = "test file\r\n";
    DWORD written = 0;
    return file && WriteFile(file.get(), text, sizeof text - 1, &written, nullptr) && written == sizeof text - 1;
}

bool MakeFolders(const std::string& path) {
    const int result = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool RemoveTree(const std::string& path) {
    const std::wstring wide = LongPath(path);
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            char narrow[4 * MAX_PATH] = {};
            WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
            RemoveTree(path + "\\" + narrow);
        } else {
            SetFileAttributesW((wide + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((wide + L"\\" + name).c_str());
        }
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return RemoveDirectoryW(wide.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace driver
