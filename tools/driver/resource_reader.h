// Reading a module's resources as the system stores them: dialog templates,
// string tables, bitmaps, icons, menus, accelerators, dialog initialisation data
// and the version block, each for one language, parsed into plain structures.
// Works on the running test program (GetModuleHandle(nullptr)) and on a program
// file loaded with LoadLibraryExA(..., LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE).
//
// Every Load function returns nothing (std::nullopt) when the resource is not
// there in that language, or is malformed; error, when given, then says which.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace driver {

// The raw bytes of a resource in exactly that language; empty when it is missing.
std::vector<BYTE> ResourceBytes(HMODULE module, LPCSTR type, WORD id, LANGID language);

// A string or an ordinal, as templates name classes, menus, texts and images.
struct NameOrOrdinal {
    std::string name;  // UTF-8; empty for an ordinal or nothing
    int ordinal = -1;  // the ordinal, or -1
    bool IsOrdinal() const { return ordinal >= 0; }
};

struct DialogItem {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;             // -1 for an unnamed control
    std::string className;  // the predefined classes' ordinals as their names: "Button", "Edit", "Static", ...
    NameOrOrdinal text;     // a picture static's text is the ordinal of its bitmap or icon
    std::vector<BYTE> creationData;
};

struct DialogTemplate {
    bool extended = false;  // DLGTEMPLATEEX rather than DLGTEMPLATE
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string caption;
    // Present with DS_SETFONT (weight, italic and charset only in the extended form).
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string typeface;
    std::vector<DialogItem> items;

    // The first item with the id, or null.
    const DialogItem* Find(int id) const;
};

// Parses a dialog template in either form.
std::optional<DialogTemplate> ParseDialogTemplate(const BYTE* data, size_t size, std::string* error = nullptr);
std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id, LANGID language,
                                                 std::string* error = nullptr);

// The BITMAPINFOHEADER at the start of an RT_BITMAP resource.
std::optional<BITMAPINFOHEADER> LoadBitmapHeader(HMODULE module, WORD id, LANGID language);

// One string of a string table (UTF-8); nothing when the string's block is
// missing in that language or the string is empty there.
std::optional<std::string> LoadStringIn(HMODULE module, UINT id, LANGID language);

// An RT_GROUP_ICON directory entry.
struct IconEntry {
    int width = 0;  // 0 in the directory means 256
    int height = 0;
    int colourCount = 0;
    WORD planes = 0;
    WORD bitCount = 0;
    DWORD bytes = 0;
    WORD iconId = 0;  // the RT_ICON resource with the image
};
std::optional<std::vector<IconEntry>> LoadIconGroup(HMODULE module, WORD id, LANGID language);
// The BITMAPINFOHEADER of an RT_ICON image (its height counts image and mask).
std::optional<BITMAPINFOHEADER> LoadIconImageHeader(HMODULE module, WORD iconId, LANGID language);

struct MenuEntry {
    std::string text;  // UTF-8, with its & and \t as written
    WORD flags = 0;    // MF_POPUP, MF_SEPARATOR (an empty non-popup item), MF_GRAYED, ...
    WORD command = 0;  // 0 for popups and separators
    std::vector<MenuEntry> children;
    bool IsSeparator() const { return !(flags & MF_POPUP) && command == 0 && text.empty(); }
};
// A standard (not extended) menu template: its top-level entries.
std::optional<std::vector<MenuEntry>> LoadMenuEntries(HMODULE module, WORD id, LANGID language);

struct AcceleratorEntry {
    BYTE flags = 0;  // FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT
    WORD key = 0;
    WORD command = 0;
};
std::optional<std::vector<AcceleratorEntry>> LoadAcceleratorEntries(HMODULE module, WORD id, LANGID language);

// One entry of dialog initialisation data (RT_DLGINIT, 240), in MFC's layout.
struct DialogInitEntry {
    WORD control = 0;
    WORD message = 0;  // 0x0401 LB_ADDSTRING, 0x0403 CB_ADDSTRING, as MFC numbers them there
    std::vector<BYTE> data;
    std::string Text() const;  // data up to its terminating zero
};
std::optional<std::vector<DialogInitEntry>> LoadDialogInit(HMODULE module, WORD id, LANGID language);

struct VersionBlock {
    VS_FIXEDFILEINFO fixed = {};
    // "StringFileInfo" values by block ("040904B0") and then by name.
    std::map<std::string, std::map<std::string, std::string>> strings;
    // The "Translation" pairs of "VarFileInfo": language, code page.
    std::vector<std::pair<WORD, WORD>> translations;
};
std::optional<VersionBlock> LoadVersionBlock(HMODULE module, LANGID language, std::string* error = nullptr);

}  // namespace driver
