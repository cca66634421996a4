#include "shell_names.h"

#include "com_ptr.h"
#include "key_records.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

BOOL GetFullDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, std::string& name) {
    name.clear();
    STRRET result = {};
    if (FAILED(folder->GetDisplayNameOf(item, flags, &result))) return FALSE;
    switch (result.uType) {
    case STRRET_WSTR: {
        const int size = ::WideCharToMultiByte(CP_ACP, 0, result.pOleStr, -1, nullptr, 0, nullptr, nullptr);
        if (size > 1) {
            name.resize(static_cast<size_t>(size));
            ::WideCharToMultiByte(CP_ACP, 0, result.pOleStr, -1, name.data(), size, nullptr, nullptr);
            name.resize(std::strlen(name.c_str()));
        }
        ::CoTaskMemFree(result.pOleStr);
        return TRUE;
    }
    case STRRET_OFFSET:
        name = reinterpret_cast<const char*>(item) + result.uOffset;
        return TRUE;
    case STRRET_CSTR:
        name.assign(result.cStr, strnlen(result.cStr, MAX_PATH));
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL GetDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char (&name)[MAX_PATH]) {
    std::string full;
    const BOOL named = GetFullDisplayName(folder, item, flags, full);
    keys::CopyText(name, full.c_str());
    return named;
}

int GetIconIndex(LPCITEMIDLIST absolute, UINT flags) {
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info, SHGFI_PIDL | flags);
    return info.iIcon;
}

void IconIndexCache::LookUp(IShellFolder* folder, LPCITEMIDLIST relative, LPCITEMIDLIST absolute, int& image,
                            int& openImage) {
    constexpr UINT kImage = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    // Only a successful call's pointer is kept: a failed one may leave anything behind.
    dormex::ComPtr<IExtractIconA> extract;
    IExtractIconA* found = nullptr;
    LPCITEMIDLIST one = relative;
    if (SUCCEEDED(folder->GetUIObjectOf(nullptr, 1, &one, IID_IExtractIconA, nullptr, reinterpret_cast<void**>(&found)))) {
        extract.Attach(found);
    }
    image = Index(extract.get(), GIL_FORSHELL, absolute, kImage);
    openImage = Index(extract.get(), GIL_FORSHELL | GIL_OPENICON, absolute, kImage | SHGFI_OPENICON);
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
    if (size == 0) return FALSE;
    buffer[0] = '\0';
    if (!HasExtension(path, ".url")) return FALSE;
    // Read into room to spare, so that an address too long for the buffer is
    // seen whole and refused rather than cut into another address.
    std::string address(4096, '\0');
    const DWORD length = ::GetPrivateProfileStringA("InternetShortcut", "URL", "", address.data(),
                                                    static_cast<DWORD>(address.size()), path);
    if (length == 0 || length >= size || length >= address.size() - 1) return FALSE;
    std::memcpy(buffer, address.data(), length + 1);
    return TRUE;
}

std::string CPathSplitter::GetBaseName() {
    // The C runtime's splitter has fixed part sizes and, on Windows, ends the
    // process for a longer part; a plain walk over the characters has neither.
    const char* text = m_path.c_str();
    const char* nameStart = text;
    const char* lastDot = nullptr;
    for (const char* c = text; *c; c = ::CharNextExA(CP_ACP, c, 0)) {
        if (*c == '\\' || *c == '/' || (*c == ':' && c == text + 1)) {
            nameStart = c + 1;
            lastDot = nullptr;
        } else if (*c == '.') {
            lastDot = c;
        }
    }
    const size_t driveLength = m_path.size() >= 2 && m_path[1] == ':' ? 2 : 0;
    m_drive = m_path.substr(0, driveLength);
    m_directory = m_path.substr(driveLength, static_cast<size_t>(nameStart - text) - driveLength);
    const char* nameEnd = lastDot ? lastDot : text + m_path.size();
    m_baseName.assign(nameStart, nameEnd);
    m_extension.assign(nameEnd);
    return m_baseName;
}
