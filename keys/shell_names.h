// Names, icons and Internet shortcuts of shell items, in 8-bit strings of at
// most MAX_PATH characters.
#pragma once

#include <shlobj.h>

#include <map>
#include <string>

// The item's whole name in the folder with SHGDN_* flags, however long.
// FALSE when the shell gives none or a kind of string this does not read.
BOOL GetFullDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, std::string& name);
// The same into a MAX_PATH buffer, cut on a whole character when it is longer:
// for names that are only shown.
BOOL GetDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char (&name)[MAX_PATH]);
// The system image list index of an absolute list, with SHGFI_* flags.
int GetIconIndex(LPCITEMIDLIST absolute, UINT flags);

// The system image list indexes of items' normal and open icons, asked of the
// shell once per icon: items whose icons come from the same place share them.
// Looking an icon up by its list costs the shell far more than naming its
// place (under Wine it grows with the folder's size), and a folder of files
// of one kind has a single icon.
class IconIndexCache {
public:
    void LookUp(IShellFolder* folder, LPCITEMIDLIST relative, LPCITEMIDLIST absolute, int& image, int& openImage);

private:
    int Index(IExtractIconA* extract, UINT gilFlags, LPCITEMIDLIST absolute, UINT shellFlags);
    std::map<std::string, int> m_indexes;  // "location,index" to the system list's index
};
// The address of a ".url" file (any case), read as an initialisation file.
// FALSE for another extension, a file without an address, or an address that
// does not fit the buffer (it is then empty: a cut address is another one).
BOOL ReadUrlShortcut(const char* path, char* buffer, DWORD size);
// Whether the path ends in the given extension (".url"), whatever its case.
bool HasExtension(const char* path, const char* extension);

// Splits a path into drive, directory, base name and extension, by hand and
// on whole characters of the ANSI code page, whatever their lengths.
class CPathSplitter {
public:
    void SetPath(const char* path) { m_path = path; }
    // The file name without directory and extension.
    std::string GetBaseName();

private:
    std::string m_path;
    std::string m_drive;
    std::string m_directory;
    std::string m_baseName;
    std::string m_extension;
};
