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

bool MakeUrlShortcut(const std::string& path, const std::string& address) {
    std::ofstream file(path, std::ios::binary);
    file << "[InternetShortcut]\r\nURL=" << address << "\r\n";
    return static_cast<bool>(file);
}

bool MakeFile(const std::string& path, bool hidden) {
    {
        std::ofstream file(path, std::ios::binary);
        file << "test file\r\n";
        if (!file) return false;
    }
    return !hidden || SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

bool MakeFolders(const std::string& path) {
    const int result = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace driver
