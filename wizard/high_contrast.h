// The system's high-contrast mode, looked up afresh at every call.
#pragma once

#include <windows.h>

// True when high contrast is on; a failed query counts as off.
bool HighContrastOn(HIGHCONTRASTA& state);
