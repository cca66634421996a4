#include "shell_names.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

BOOL GetDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char (&name)[MAX_PATH]) {
    name[0] = '\0';
    STRRET result = {};
    if (FAILED(folder->GetDisplayNameOf(item, flags, &result))) return FALSE;
    switch (result.uType) {
    case STRRET_WSTR: {
        const int written =
            ::WideCharToMultiByte(CP_ACP, 0, result.pOleStr, -1, name, MAX_PATH, nullptr, nullptr);
        ::CoTaskMemFree(result.pOleStr);
        // An over-long name fails the conversion; keep what fits, terminated.
        if (written == 0) name[MAX_PATH - 1] = '\0';
        return TRUE;
    }
    case STRRET_OFFSET:
        ::lstrcpynA(name, reinterpret_cast<const char*>(item) + result.uOffset, MAX_PATH);
        return TRUE;
    case STRRET_CSTR:
        ::lstrcpynA(name, result.cStr, MAX_PATH);
        return TRUE;
    default:
        return FALSE;
    }
}

int GetIconIndex(LPCITEMIDLIST absolute, UINT flags) {
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info, SHGFI_PIDL | flags);
    return info.iIcon;
}

void IconIndexCache::LookUp(IShellFolder* folder, LPCITEMIDLIST relative, LPCITEMIDLIST absolute, int& image,
                            int& openImage) {
    constexpr UINT kImage = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    IExtractIconA* extract = nullptr;
    LPCITEMIDLIST one = relative;
    if (FAILED(folder->GetUIObjectOf(nullptr, 1, &one, IID_IExtractIconA, nullptr,
                                     reinterpret_cast<void**>(&extract)))) {
        extract = nullptr;
    }
    image = Index(extract, GIL_FORSHELL, absolute, kImage);
    openImage = Index(extract, GIL_FORSHELL | GIL_OPENICON, absolute, kImage | SHGFI_OPENICON);
    if (extract) extract->Release();
}

int IconIndexCache::Index(IExtractIconA* extract, UINT gilFlags, LPCITEMIDLIST absolute, UINT shellFlags) {
    std::string key;
    char location[MAX_PATH] = {};
    int index = 0;
    UINT got = 0;
    // An icon whose place is no file, or that must not be kept, is asked for each time.
    if (extract && extract->GetIconLocation(gilFlags, location, MAX_PATH, &index, &got) == S_OK &&
        !(got & (GIL_NOTFILENAME | GIL_DONTCACHE))) {
        location[MAX_PATH - 1] = '\0';
        key = std::string(location) + "," + std::to_string(index);
        if (const auto known = m_indexes.find(key); known != m_indexes.end()) return known->second;
    }
    const int found = GetIconIndex(absolute, shellFlags);
    if (!key.empty()) m_indexes.emplace(key, found);
    return found;
}

bool HasExtension(const char* path, const char* extension) {
    const size_t length = std::strlen(path);
    const size_t extensionLength = std::strlen(extension);
    return length >= extensionLength && ::lstrcmpiA(path + length - extensionLength, extension) == 0;
}

BOOL ReadUrlShortcut(const char* path, char* buffer, DWORD size) {
    if (!HasExtension(path, ".url")) return FALSE;
    ::GetPrivateProfileStringA("InternetShortcut", "URL", "", buffer, size, path);
    return buffer[0] != '\0';
}

std::string CPathSplitter::GetBaseName() {
    // _splitpath_s refuses parts longer than their buffers; the name is then empty.
    if (_splitpath_s(m_path.c_str(), m_drive, sizeof m_drive, m_directory, sizeof m_directory, m_baseName,
                     sizeof m_baseName, m_extension, sizeof m_extension) != 0) {
        m_baseName[0] = '\0';
    }
    return m_baseName;
}
