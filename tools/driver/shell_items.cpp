#include "shell_items.h"

#include <shlobj.h>

#include <fstream>

namespace driver {

std::string SpecialFolderPath(int csidl) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE)) return {};
    return path;
}

bool MakeShellLink(const std::string& linkPath, const char* target, const char* arguments) {
    bool ok = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(target)) && SUCCEEDED(link->SetArguments(arguments)) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(linkPath.begin(), linkPath.end());
            ok = SUCCEEDED(file->Save(wide.c_str(), TRUE));
            file->Release();
        }
        link->Release();
    }
    return ok;
}

std::string ShellLinkTarget(const std::string& linkPath) {
    char target[MAX_PATH] = {};
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(linkPath.begin(), linkPath.end());
            if (FAILED(file->Load(wide.c_str(), STGM_READ)) ||
                FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                target[0] = '\0';
            }
            file->Release();
        }
        link->Release();
    }
    return target;
}

bool MakeShellLinkToFolder(const std::string& linkPath, int csidl) {
    bool ok = false;
    LPITEMIDLIST folder = nullptr;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &folder)) &&
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetIDList(folder)) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(linkPath.begin(), linkPath.end());
            ok = SUCCEEDED(file->Save(wide.c_str(), TRUE));
            file->Release();
        }
    }
    if (link) link->Release();
    if (folder) CoTaskMemFree(folder);
    return ok;
}

bool MakeUrlShortcut(const std::string& path, const std::string& address) {
    std::ofstream file(path, std::ios::binary);
    file << "[InternetShortcut]\r\nURL=" << address << "\r\n";
    return static_cast<bool>(file);
}

namespace {

// The path in the wide form that the file functions take at any length.
std::wstring LongPath(const std::string& path) {
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(wide.size() - 1);
    return L"\\\\?\\" + wide;
}

}  // namespace

bool MakeFile(const std::string& path, bool hidden) {
    HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const char text[] = "test file\r\n";
    DWORD written = 0;
    const bool ok = WriteFile(file, text, sizeof text - 1, &written, nullptr) && written == sizeof text - 1;
    CloseHandle(file);
    return ok;
}

bool MakeFolders(const std::string& path) {
    const int result = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool RemoveTree(const std::string& path) {
    const std::wstring wide = LongPath(path);
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = wide + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                char narrow[4 * MAX_PATH] = {};
                WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
                RemoveTree(path + "\\" + narrow);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryW(wide.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace driver
