#include "registry_view.h"

#include <cstring>
#include <memory>
#include <sstream>

namespace driver {

RegistryValue SzValue(const std::string& text) {
    RegistryValue value{REG_SZ, std::vector<BYTE>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

RegistryValue DwordValue(DWORD number) {
    RegistryValue value{REG_DWORD, std::vector<BYTE>(sizeof number)};
    std::memcpy(value.data.data(), &number, sizeof number);
    return value;
}

void PrintTo(const RegistryValue& value, std::ostream* out) {
    *out << "type " << value.type << " ";
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        *out << value.data[0] + (value.data[1] << 8) + (value.data[2] << 16) + (DWORD{value.data[3]} << 24);
    } else if (value.type == REG_SZ) {
        *out << '"' << std::string(value.data.begin(), value.data.end()).c_str() << '"';
    } else {
        for (BYTE b : value.data) *out << ' ' << static_cast<int>(b);
    }
}

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<HKEY__, KeyCloser>;

Key Open(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    return Key(RegOpenKeyExA(root, path.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}

void Collect(HKEY key, const std::string& prefix, RegistrySnapshot& out) {
    DWORD maxSubkey = 0, maxValueName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &maxSubkey, nullptr, nullptr, &maxValueName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    std::vector<char> name((maxSubkey > maxValueName ? maxSubkey : maxValueName) + 2);
    std::vector<BYTE> data(maxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength) !=
            ERROR_SUCCESS) {
            break;
        }
        out[prefix + name.data()] = RegistryValue{type, std::vector<BYTE>(data.begin(), data.begin() + dataLength)};
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string child = prefix + name.data() + "\\";
        const Key childKey = Open(key, name.data(), KEY_READ);
        if (!childKey.get()) continue;
        // A key with no values still shows in the snapshot, so that an added
        // empty key is a difference too.
        out[child] = RegistryValue{};
        Collect(childKey.get(), child, out);
    }
}

}  // namespace

RegistrySnapshot Snapshot(HKEY root, const std::string& path, REGSAM view) {
    RegistrySnapshot snapshot;
    if (const Key key = Open(root, path, KEY_READ | view)) Collect(key.get(), "", snapshot);
    return snapshot;
}

std::string Describe(const RegistrySnapshot& snapshot) {
    std::ostringstream text;
    for (const auto& [name, value] : snapshot) {
        text << name << " (type " << value.type << ", " << value.data.size() << " bytes)\n";
    }
    return text.str();
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name, REGSAM view) {
    const Key key = Open(root, path, KEY_READ | view);
    if (!key) return std::nullopt;
    DWORD size = 0;
    RegistryValue value;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return {};
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

std::optional<DWORD> ReadNumber(HKEY root, const std::string& path, const std::string& name) {
    auto value = ReadValue(root, path, name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    memcpy(&number, value->data.data(), sizeof number);
    return number;
}

std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name) {
    auto value = ReadValue(root, path, name);
    if (!value || value->type != REG_SZ) return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

bool WriteValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
                DWORD size, REGSAM view) {
    HKEY made = nullptr;
    const LSTATUS opened = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, &made,
                                           nullptr);
    const Key key(opened == ERROR_SUCCESS ? made : nullptr);
    const auto bytes = static_cast<const BYTE*>(data);
    return key && RegSetValueExA(key.get(), name.c_str(), 0, type, bytes, size) == ERROR_SUCCESS;
}

bool WriteNumber(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    return WriteValue(root, path, name, REG_DWORD, &value, sizeof value);
}

bool WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
    return WriteValue(root, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
    return Open(root, path, KEY_READ | view) != nullptr;
}

bool DeleteKey(HKEY root, const std::string& path, REGSAM view) {
    if (!KeyExists(root, path, view)) return true;
    const size_t slash = path.find_last_of('\\');
    const Key parent = Open(root, slash == std::string::npos ? "" : path.substr(0, slash), KEY_ALL_ACCESS | view);
    return parent && RegDeleteTreeA(parent.get(), path.substr(slash + 1).c_str()) == ERROR_SUCCESS;
}

constexpr char kDesktop[] = "Control Panel\\Desktop";

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
    old_ = ReadNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels");
    WriteNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels", dpi);
}

ScopedLogPixels::~ScopedLogPixels() {
    if (old_) {
        WriteNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels", *old_);
    } else {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktop, "LogPixels");
    }
}

}  // namespace driver
