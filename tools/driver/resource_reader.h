// A module's resources in exactly one language, as the system stores them:
// dialog templates, strings, bitmap headers and the version block. Works on
// the running test program (GetModuleHandle(nullptr)) and on a program file
// loaded with LoadLibraryExA(..., LOAD_LIBRARY_AS_DATAFILE |
// LOAD_LIBRARY_AS_IMAGE_RESOURCE). Each Load function gives nothing when the
// resource is missing in that language or malformed.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace driver {

// The raw bytes of a resource in exactly that language; empty when it is missing.
std::vector<BYTE> ResourceBytes(HMODULE module, LPCSTR type, WORD id, LANGID language);

// A string or an ordinal, as templates name classes, texts and images.
struct NameOrOrdinal {
    std::string name;  // UTF-8; empty for an ordinal or nothing
    int ordinal = -1;  // the ordinal, or -1
    bool IsOrdinal() const { return ordinal >= 0; }
};

struct DialogItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;             // -1 for an unnamed control
    std::string className;  // the predefined classes' ordinals as their names: "Button", "Edit", "Static", ...
    NameOrOrdinal text;     // a picture static's text is the ordinal of its bitmap or icon
};

struct DialogTemplate {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string caption;
    // With DS_SETFONT.
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::string typeface;
    std::vector<DialogItem> items;

    const DialogItem* Find(int id) const;  // the first item with the id, or null
};
// A dialog template in the extended form (DLGTEMPLATEEX), as the resource compiler writes DIALOGEX.
std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id, LANGID language);

// The BITMAPINFOHEADER at the start of an RT_BITMAP resource.
std::optional<BITMAPINFOHEADER> LoadBitmapHeader(HMODULE module, WORD id, LANGID language);

// One string of a string table (UTF-8); nothing when it is missing or empty in that language.
std::optional<std::string> LoadStringIn(HMODULE module, UINT id, LANGID language);

// The version block's standard "StringFileInfo" values, by block ("040904B0") and then by name.
struct VersionBlock {
    std::map<std::string, std::map<std::string, std::string>> strings;
};
std::optional<VersionBlock> LoadVersionBlock(HMODULE module, LANGID language);

}  // namespace driver
