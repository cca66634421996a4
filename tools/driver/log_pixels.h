// The screen's logical resolution (HKCU\Control Panel\Desktop "LogPixels"),
// which sets the size of the system fonts and so the dialog base units of
// programs started after it changes.
#pragma once

#include <windows.h>

#include <optional>

namespace driver {

// Sets it for programs started from now on, and puts the old one back afterwards.
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
