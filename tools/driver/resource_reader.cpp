#include "resource_reader.h"

#include <algorithm>
#include <cstring>

namespace driver {

namespace {

std::string Utf8(const wchar_t* text, size_t length) {
    if (length == 0) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
    return out;
}

// Reads little-endian fields with bounds checks. After the first failure every
// read returns zero and Ok() stays false, so a parser checks once at its end.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why + " at byte " + std::to_string(offset_);
    }
    size_t Offset() const { return offset_; }
    size_t Size() const { return size_; }
    void Seek(size_t offset) {
        if (offset > size_) Fail("seek past the end");
        else offset_ = offset;
    }
    // Offsets are counted from the start of the resource, which the system keeps DWORD-aligned.
    void Align(size_t to) { Seek(std::min(size_, (offset_ + to - 1) / to * to)); }
    bool AtEnd() const { return offset_ >= size_; }

    BYTE Byte() { return static_cast<BYTE>(Little(1)); }
    WORD Word() { return static_cast<WORD>(Little(2)); }
    short Short() { return static_cast<short>(Little(2)); }
    DWORD Dword() { return static_cast<DWORD>(Little(4)); }

    std::vector<BYTE> Bytes(size_t count) {
        if (!Have(count)) return {};
        std::vector<BYTE> out(data_ + offset_, data_ + offset_ + count);
        offset_ += count;
        return out;
    }

    // A zero-terminated UTF-16 string.
    std::string WideString() {
        std::wstring text;
        for (;;) {
            if (!Have(2)) return {};
            const WORD c = Word();
            if (c == 0) break;
            text.push_back(static_cast<wchar_t>(c));
        }
        return Utf8(text.data(), text.size());
    }

    // sz_Or_Ord: nothing (0x0000), an ordinal (0xFFFF then the number) or a string.
    NameOrOrdinal NameOrOrd() {
        NameOrOrdinal out;
        if (!Have(2)) return out;
        WORD first = 0;
        std::memcpy(&first, data_ + offset_, 2);
        if (first == 0x0000) {
            offset_ += 2;
        } else if (first == 0xFFFF) {
            offset_ += 2;
            out.ordinal = Word();
        } else {
            out.name = WideString();
        }
        return out;
    }

private:
    bool Have(size_t count) {
        if (!Ok()) return false;
        if (size_ - offset_ < count) {
            Fail("data ends early");
            return false;
        }
        return true;
    }
    DWORD Little(size_t count) {
        if (!Have(count)) return 0;
        DWORD value = 0;
        for (size_t i = 0; i < count; ++i) value |= static_cast<DWORD>(data_[offset_ + i]) << (8 * i);
        offset_ += count;
        return value;
    }

    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
    std::string error_;
};

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

std::string PredefinedClass(int ordinal) {
    switch (ordinal) {
        case 0x0080: return "Button";
        case 0x0081: return "Edit";
        case 0x0082: return "Static";
        case 0x0083: return "ListBox";
        case 0x0084: return "ScrollBar";
        case 0x0085: return "ComboBox";
        default: return std::string("#").append(std::to_string(ordinal));
    }
}

}  // namespace

std::vector<BYTE> ResourceBytes(HMODULE module, LPCSTR type, WORD id, LANGID language) {
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data) return {};
    return std::vector<BYTE>(data, data + size);
}

const DialogItem* DialogTemplate::Find(int id) const {
    for (const DialogItem& item : items) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

std::optional<DialogTemplate> ParseDialogTemplate(const BYTE* data, size_t size, std::string* error) {
    Reader in(data, size);
    DialogTemplate dialog;
    WORD count = 0;
    if (size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
        dialog.extended = true;
        in.Seek(4);  // dlgVer 1, signature 0xFFFF
        dialog.helpId = in.Dword();
        dialog.exStyle = in.Dword();
        dialog.style = in.Dword();
    } else {
        dialog.style = in.Dword();
        dialog.exStyle = in.Dword();
    }
    count = in.Word();
    dialog.x = in.Short();
    dialog.y = in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    dialog.menu = in.NameOrOrd();
    dialog.windowClass = in.NameOrOrd();
    dialog.caption = in.WideString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Word();
        if (dialog.extended) {
            dialog.weight = in.Word();
            dialog.italic = in.Byte();
            dialog.charset = in.Byte();
        }
        dialog.typeface = in.WideString();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.Align(4);
        DialogItem item;
        if (dialog.extended) {
            item.helpId = in.Dword();
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        // The extended form keeps a 32-bit id, the classic one 16 bits; both mean -1 by all ones.
        item.id = dialog.extended ? static_cast<int>(in.Dword()) : static_cast<int>(in.Short());
        const NameOrOrdinal windowClass = in.NameOrOrd();
        item.className = windowClass.IsOrdinal() ? PredefinedClass(windowClass.ordinal) : windowClass.name;
        item.text = in.NameOrOrd();
        const WORD extra = in.Word();
        item.creationData = in.Bytes(extra);
        dialog.items.push_back(std::move(item));
    }
    if (!in.Ok()) {
        SetError(error, "dialog template: " + in.Error());
        return std::nullopt;
    }
    return dialog;
}

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id, LANGID language, std::string* error) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */, id, language);
    if (bytes.empty()) {
        SetError(error, "no dialog " + std::to_string(id));
        return std::nullopt;
    }
    return ParseDialogTemplate(bytes.data(), bytes.size(), error);
}

std::optional<BITMAPINFOHEADER> LoadBitmapHeader(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(2) /* RT_BITMAP */, id, language);
    BITMAPINFOHEADER header = {};
    if (bytes.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (header.biSize < sizeof header) return std::nullopt;
    return header;
}

std::optional<std::string> LoadStringIn(HMODULE module, UINT id, LANGID language) {
    // Strings live in blocks of sixteen: block id / 16 + 1, each string a length and its UTF-16 text.
    const std::vector<BYTE> bytes =
        ResourceBytes(module, MAKEINTRESOURCEA(6) /* RT_STRING */, static_cast<WORD>(id / 16 + 1), language);
    if (bytes.empty()) return std::nullopt;
    Reader in(bytes.data(), bytes.size());
    for (UINT i = 0; i < 16; ++i) {
        const WORD length = in.Word();
        std::wstring text;
        for (WORD c = 0; c < length; ++c) text.push_back(static_cast<wchar_t>(in.Word()));
        if (!in.Ok()) return std::nullopt;
        if (i == id % 16) {
            if (length == 0) return std::nullopt;
            return Utf8(text.data(), text.size());
        }
    }
    return std::nullopt;
}

std::optional<std::vector<IconEntry>> LoadIconGroup(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, id, language);
    if (bytes.empty()) return std::nullopt;
    Reader in(bytes.data(), bytes.size());
    in.Word();  // reserved
    const WORD type = in.Word();
    const WORD count = in.Word();
    std::vector<IconEntry> entries;
    for (WORD i = 0; i < count; ++i) {
        IconEntry entry;
        entry.width = in.Byte();
        entry.height = in.Byte();
        entry.colourCount = in.Byte();
        in.Byte();
        entry.planes = in.Word();
        entry.bitCount = in.Word();
        entry.bytes = in.Dword();
        entry.iconId = in.Word();
        entries.push_back(entry);
    }
    if (!in.Ok() || type != 1) return std::nullopt;
    return entries;
}

std::optional<BITMAPINFOHEADER> LoadIconImageHeader(HMODULE module, WORD iconId, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(3) /* RT_ICON */, iconId, language);
    BITMAPINFOHEADER header = {};
    if (bytes.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, bytes.data(), sizeof header);
    return header;
}

namespace {

// Menu items up to and including the one marked MF_END.
std::vector<MenuEntry> ReadMenuItems(Reader& in) {
    std::vector<MenuEntry> items;
    while (in.Ok() && !in.AtEnd()) {
        MenuEntry item;
        item.flags = in.Word();
        if (!(item.flags & MF_POPUP)) item.command = in.Word();
        item.text = in.WideString();
        if (item.flags & MF_POPUP) item.children = ReadMenuItems(in);
        const bool last = item.flags & MF_END;
        item.flags &= ~MF_END;
        items.push_back(std::move(item));
        if (last) break;
    }
    return items;
}

}  // namespace

std::optional<std::vector<MenuEntry>> LoadMenuEntries(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(4) /* RT_MENU */, id, language);
    if (bytes.empty()) return std::nullopt;
    Reader in(bytes.data(), bytes.size());
    const WORD version = in.Word();
    const WORD headerSize = in.Word();
    if (version != 0) return std::nullopt;  // an extended menu
    in.Seek(4 + headerSize);
    std::vector<MenuEntry> items = ReadMenuItems(in);
    if (!in.Ok()) return std::nullopt;
    return items;
}

std::optional<std::vector<AcceleratorEntry>> LoadAcceleratorEntries(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */, id, language);
    if (bytes.empty()) return std::nullopt;
    Reader in(bytes.data(), bytes.size());
    std::vector<AcceleratorEntry> entries;
    for (;;) {
        const WORD flags = in.Word();
        AcceleratorEntry entry;
        entry.flags = static_cast<BYTE>(flags & 0x7F);
        entry.key = in.Word();
        entry.command = in.Word();
        in.Word();  // padding
        if (!in.Ok()) return std::nullopt;
        entries.push_back(entry);
        if (flags & 0x80) break;  // the last entry
    }
    return entries;
}

std::string DialogInitEntry::Text() const {
    const auto end = std::find(data.begin(), data.end(), BYTE{0});
    return std::string(data.begin(), end);
}

std::optional<std::vector<DialogInitEntry>> LoadDialogInit(HMODULE module, WORD id, LANGID language) {
    const std::vector<BYTE> bytes = ResourceBytes(module, MAKEINTRESOURCEA(240) /* RT_DLGINIT */, id, language);
    if (bytes.empty()) return std::nullopt;
    Reader in(bytes.data(), bytes.size());
    std::vector<DialogInitEntry> entries;
    for (;;) {
        DialogInitEntry entry;
        entry.control = in.Word();
        if (!in.Ok()) return std::nullopt;
        if (entry.control == 0) break;
        entry.message = in.Word();
        const DWORD length = in.Dword();
        entry.data = in.Bytes(length);
        if (!in.Ok()) return std::nullopt;
        entries.push_back(std::move(entry));
    }
    return entries;
}

namespace {

// One node of the version tree: wLength, wValueLength, wType, a key, then its
// value and its children, each part DWORD-aligned.
struct VersionNode {
    std::string key;
    WORD type = 0;  // 1 text, 0 binary
    size_t valueOffset = 0;
    WORD valueLength = 0;  // in WCHARs for text, in bytes for binary
    size_t childrenOffset = 0;
    size_t end = 0;
};

VersionNode ReadVersionNode(Reader& in) {
    VersionNode node;
    const size_t start = in.Offset();
    const WORD length = in.Word();
    node.valueLength = in.Word();
    node.type = in.Word();
    node.key = in.WideString();
    in.Align(4);
    node.valueOffset = in.Offset();
    node.end = start + length;
    const size_t valueBytes = node.type == 1 ? node.valueLength * size_t{2} : node.valueLength;
    in.Seek(std::min(node.end, node.valueOffset + valueBytes));
    in.Align(4);
    node.childrenOffset = in.Offset();
    if (length < 6 || node.end > in.Size()) in.Fail("bad version node");
    return node;
}

std::vector<VersionNode> ReadChildren(Reader& in, const VersionNode& parent) {
    std::vector<VersionNode> children;
    in.Seek(parent.childrenOffset);
    while (in.Ok() && in.Offset() + 6 <= parent.end) {
        VersionNode child = ReadVersionNode(in);
        if (!in.Ok()) break;
        children.push_back(child);
        in.Seek(child.end);
        in.Align(4);
    }
    return children;
}

}  // namespace

std::optional<VersionBlock> LoadVersionBlock(HMODULE module, LANGID language, std::string* error) {
    const std::vector<BYTE> bytes =
        ResourceBytes(module, MAKEINTRESOURCEA(16) /* RT_VERSION */, 1 /* VS_VERSION_INFO */, language);
    if (bytes.empty()) {
        SetError(error, "no version block");
        return std::nullopt;
    }
    Reader in(bytes.data(), bytes.size());
    const VersionNode root = ReadVersionNode(in);
    VersionBlock block;
    if (root.key != "VS_VERSION_INFO" || root.valueLength != sizeof(VS_FIXEDFILEINFO)) {
        SetError(error, "not a VS_VERSION_INFO block");
        return std::nullopt;
    }
    std::memcpy(&block.fixed, bytes.data() + root.valueOffset, sizeof block.fixed);
    for (const VersionNode& section : ReadChildren(in, root)) {
        if (section.key == "StringFileInfo") {
            for (const VersionNode& table : ReadChildren(in, section)) {
                for (const VersionNode& value : ReadChildren(in, table)) {
                    const auto* text = reinterpret_cast<const wchar_t*>(bytes.data() + value.valueOffset);
                    size_t length = value.valueLength;
                    while (length > 0 && text[length - 1] == L'\0') --length;  // the length counts the zero
                    block.strings[table.key][value.key] = Utf8(text, length);
                }
            }
        } else if (section.key == "VarFileInfo") {
            for (const VersionNode& var : ReadChildren(in, section)) {
                if (var.key != "Translation") continue;
                for (size_t at = 0; at + 4 <= var.valueLength; at += 4) {
                    WORD pair[2];
                    std::memcpy(pair, bytes.data() + var.valueOffset + at, 4);
                    block.translations.emplace_back(pair[0], pair[1]);
                }
            }
        }
    }
    if (!in.Ok()) {
        SetError(error, "version block: " + in.Error());
        return std::nullopt;
    }
    return block;
}

}  // namespace driver
