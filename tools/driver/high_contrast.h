// The system's high-contrast state as running programs see it. Wine always
// reports it off and cannot switch it on, so a test hooks the programs it
// starts: their SystemParametersInfo answers SPI_GETHIGHCONTRAST with the state
// set here, and every other query as the system does.
#pragma once

#include <windows.h>

namespace driver {

class HighContrast {
public:
    // Starts with high contrast off for every hooked program. One at a time:
    // the state is shared by name.
    HighContrast();
    // Hooked programs get the system's own answer again.
    ~HighContrast();
    HighContrast(const HighContrast&) = delete;
    HighContrast& operator=(const HighContrast&) = delete;

    // Loads the hook library (beside the test program) into the running
    // process and redirects its imports of SystemParametersInfoA (and W) in
    // every module loaded by then. Reports a failure when it cannot.
    bool Hook(DWORD processId);
    // The state every hooked program reports from now on; they learn of the
    // change when told, as by Announce.
    void Set(bool on);
    // Tells window of a change, as the system does when high contrast is
    // switched: WM_SETTINGCHANGE with SPI_SETHIGHCONTRAST. Returns once the
    // window has handled it; reports a failure if it does not in time.
    static bool Announce(HWND window);

private:
    HANDLE section_ = nullptr;
    void* view_ = nullptr;
};

}  // namespace driver
