// What the parts of the probe library share inside the probed program.
#pragma once

#include "frame_probe_state.h"

#include <vector>

namespace probe {

// The block the test asks in; an export writes its larger answers there.
frame_probe::Block& Answers();
// This library, pinned: redirected import slots lead into it for good.
HMODULE ThisLibrary();
std::vector<HWND> OwnTopLevelWindows();
// The shown page of the process's visible property sheet, or null.
HWND ShownPage();
// The control whose id an export's parameter gives on the shown page, or null.
HWND ShownPageControl(LPVOID id);
// The font a control draws with; null for the system font or no control.
HFONT FontOf(HWND control);

}  // namespace probe
