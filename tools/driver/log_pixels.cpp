#include "log_pixels.h"

#include "registry_view.h"

namespace driver {
namespace {

constexpr char kDesktop[] = "Control Panel\\Desktop";

}  // namespace

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
    old_ = ReadNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels");
    WriteNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels", dpi);
}

ScopedLogPixels::~ScopedLogPixels() {
    if (old_) {
        WriteNumber(HKEY_CURRENT_USER, kDesktop, "LogPixels", *old_);
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktop, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "LogPixels");
        RegCloseKey(key);
    }
}

}  // namespace driver
