// The prefix's registry as tests prepare and check it, read with the plain
// registry API (never through the library under test).
#pragma once

#include <windows.h>

#include <map>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

namespace driver {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const RegistryValue&) const = default;
};

// A string value as the registry holds it (with its terminating zero), and a
// 32-bit number.
RegistryValue SzValue(const std::string& text);
RegistryValue DwordValue(DWORD number);
// A value in a failure message: a number or a string as such, other data as bytes.
void PrintTo(const RegistryValue& value, std::ostream* out);

// Every value under root\path and its subkeys, keyed by "sub\key\\name".
// An absent key gives an empty map.
using RegistrySnapshot = std::map<std::string, RegistryValue>;
RegistrySnapshot Snapshot(HKEY root, const std::string& path, REGSAM view = 0);
std::string Describe(const RegistrySnapshot& snapshot);

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name, REGSAM view = 0);
std::optional<DWORD> ReadNumber(HKEY root, const std::string& path, const std::string& name);
std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name);

bool WriteValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
                DWORD size, REGSAM view = 0);
bool WriteNumber(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value);
bool KeyExists(HKEY root, const std::string& path, REGSAM view = 0);
// Removes root\path with everything under it; true also when it was absent.
bool DeleteKey(HKEY root, const std::string& path, REGSAM view = 0);

// Sets the screen's logical resolution (HKCU\Control Panel\Desktop "LogPixels"),
// which sets the size of the system fonts and so the dialog base units, for
// programs started from now on, and puts the old one back afterwards.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi);
    ~ScopedLogPixels();
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    std::optional<DWORD> old_;
};

}  // namespace driver
