#include "resource_reader.h"

#include <algorithm>
#include <cstring>

namespace driver {

namespace {

// Reads little-endian fields with bounds checks; after the first read past the
// end every read gives zero and ok stays false, so a parser checks once.
struct Cursor {
    const std::vector<BYTE>& bytes;
    size_t at = 0;
    bool ok = true;

    template <typename T>
    T Read() {
        T value{};
        if (!(ok = ok && at <= bytes.size() && bytes.size() - at >= sizeof value)) return value;
        std::memcpy(&value, bytes.data() + at, sizeof value);
        at += sizeof value;
        return value;
    }
    // Offsets count from the resource's start, which the system keeps DWORD-aligned.
    void Align() { at = (at + 3) & ~size_t{3}; }
    // A zero-terminated UTF-16 string, as UTF-8.
    std::string Text() {
        std::wstring text;
        for (WORD c = Read<WORD>(); ok && c; c = Read<WORD>()) text.push_back(static_cast<wchar_t>(c));
        return Utf8(text);
    }
    // sz_Or_Ord: nothing (0x0000), an ordinal (0xFFFF then the number) or a string.
    NameOrOrdinal Name() {
        NameOrOrdinal out;
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) out.ordinal = Read<WORD>();
        else if (first != 0) at -= 2, out.name = Text();
        return out;
    }
    static std::string Utf8(const std::wstring& text) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
        std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
        return out;
    }
};

std::string PredefinedClass(int ordinal) {
    static const char* const names[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    return ordinal >= 0x80 && ordinal <= 0x85 ? names[ordinal - 0x80] : std::to_string(ordinal).insert(0, 1, '#');
}

}  // namespace

std::vector<BYTE> ResourceBytes(HMODULE module, LPCSTR type, WORD id, LANGID language) {
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    return data ? std::vector<BYTE>(data, data + SizeofResource(module, found)) : std::vector<BYTE>{};
}

const DialogItem* DialogTemplate::Find(int id) const {
    const auto found = std::find_if(items.begin(), items.end(), [&](const DialogItem& item) { return item.id == id; });
    return found == items.end() ? nullptr : &*found;
}

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */, id, language);
    Cursor in{bytes};
    DialogTemplate dialog;
    // DLGTEMPLATEEX: dlgVer 1 and the signature 0xFFFF, helpID, exStyle, style.
    if (in.Read<DWORD>() != 0xFFFF0001u) return std::nullopt;
    in.at += 8;
    dialog.style = in.Read<DWORD>();
    const WORD count = in.Read<WORD>();
    in.at += 4;  // x, y
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    in.Name();  // menu
    in.Name();  // class
    dialog.caption = in.Text();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Read<WORD>();
        dialog.weight = in.Read<WORD>();
        dialog.italic = in.Read<BYTE>();
        dialog.charset = in.Read<BYTE>();
        dialog.typeface = in.Text();
    }
    for (WORD i = 0; i < count && in.ok; ++i) {
        in.Align();
        DialogItem item;
        in.at += 8;  // helpID, exStyle
        item.style = in.Read<DWORD>();
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = static_cast<int>(in.Read<DWORD>());  // -1 by all ones
        const NameOrOrdinal windowClass = in.Name();
        item.className = windowClass.IsOrdinal() ? PredefinedClass(windowClass.ordinal) : windowClass.name;
        item.text = in.Name();
        in.at += in.Read<WORD>();  // creation data
        dialog.items.push_back(std::move(item));
    }
    return in.ok && in.at <= bytes.size() ? std::optional(std::move(dialog)) : std::nullopt;
}

std::optional<BITMAPINFOHEADER> LoadBitmapHeader(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(2) /* RT_BITMAP */, id, language);
    Cursor in{bytes};
    const auto header = in.Read<BITMAPINFOHEADER>();
    return in.ok && header.biSize >= sizeof header ? std::optional(header) : std::nullopt;
}

std::optional<std::string> LoadStringIn(HMODULE module, UINT id, LANGID language) {
    // Strings live in blocks of sixteen, block id / 16 + 1, each string a length and its UTF-16 text.
    const std::vector<BYTE> bytes =
        ResourceBytes(module, MAKEINTRESOURCEA(6) /* RT_STRING */, static_cast<WORD>(id / 16 + 1), language);
    Cursor in{bytes};
    for (UINT i = 0; i < id % 16; ++i) in.at += in.Read<WORD>() * size_t{2};
    std::wstring text(in.Read<WORD>(), L'\0');
    for (wchar_t& c : text) c = static_cast<wchar_t>(in.Read<WORD>());
    return in.ok && !text.empty() ? std::optional(Cursor::Utf8(text)) : std::nullopt;
}

std::optional<VersionBlock> LoadVersionBlock(HMODULE module, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(16) /* RT_VERSION */, 1, language);
    // The system's own reader of the block; its library stays loaded for the process's life.
    using Query = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    static const HMODULE library = LoadLibraryA("version.dll");
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(library, "VerQueryValueW")));
    void* found = nullptr;
    UINT size = 0;
    const auto Find = [&](const wchar_t* path) { return query(bytes.data(), path, &found, &size) && found; };
    if (bytes.empty() || !query || !Find(L"\\VarFileInfo\\Translation")) return std::nullopt;
    const std::vector<WORD> pairs(static_cast<const WORD*>(found), static_cast<const WORD*>(found) + size / 4 * 2);
    VersionBlock block;
    for (size_t i = 0; i < pairs.size(); i += 2) {
        char table[9] = {};
        snprintf(table, sizeof table, "%04X%04X", pairs[i], pairs[i + 1]);
        for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                                 "OriginalFilename", "ProductName", "ProductVersion"}) {
            wchar_t path[64] = {};
            swprintf(path, 64, L"\\StringFileInfo\\%hs\\%hs", table, name);
            if (Find(path)) block.strings[table][name] = Cursor::Utf8(static_cast<const wchar_t*>(found));
        }
    }
    return block;
}

}  // namespace driver
