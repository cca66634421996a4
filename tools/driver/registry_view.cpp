#include "registry_view.h"

#include <cstring>
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
namespace {

class Key {
public:
    Key(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() { if (key_) RegCloseKey(key_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

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
        if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength) != ERROR_SUCCESS) {
            break;
        }
        out[prefix + name.data()] = RegistryValue{type, std::vector<BYTE>(data.begin(), data.begin() + dataLength)};
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string child = prefix + name.data() + "\\";
        HKEY childKey = nullptr;
        if (RegOpenKeyExA(key, name.data(), 0, KEY_READ, &childKey) == ERROR_SUCCESS) {
            // A key with no values still shows in the snapshot, so that an added
            // empty key is a difference too.
            out[child] = RegistryValue{};
            Collect(childKey, child, out);
            RegCloseKey(childKey);
        }
    }
}

}  // namespace

RegistrySnapshot Snapshot(HKEY root, const std::string& path, REGSAM view) {
    RegistrySnapshot snapshot;
    Key key(root, path, KEY_READ | view);
    if (key.get()) Collect(key.get(), "", snapshot);
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
    Key key(root, path, KEY_READ | view);
    if (!key.get()) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    RegistryValue value{type, std::vector<BYTE>(size)};
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS) {
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
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool WriteNumber(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    return WriteValue(root, path, name, REG_DWORD, &value, sizeof value);
}

bool WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
    return WriteValue(root, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
    Key key(root, path, KEY_READ | view);
    return key.get() != nullptr;
}

bool DeleteKey(HKEY root, const std::string& path, REGSAM view) {
    if (!KeyExists(root, path, view)) return true;
    size_t slash = path.find_last_of('\\');
    std::string parentPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
    std::string child = slash == std::string::npos ? path : path.substr(slash + 1);
    Key parent(root, parentPath, KEY_ALL_ACCESS | view);
    return parent.get() && RegDeleteTreeA(parent.get(), child.c_str()) == ERROR_SUCCESS;
}

}  // namespace driver
