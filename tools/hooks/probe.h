// What the parts of the probe library share inside the probed program.
#pragma once

#include "frame_probe_state.h"

#include <string>

namespace probe {

// The block the test asks in; an export writes its larger answers there.
frame_probe::Block& Answers();
// This library, pinned: redirected import slots lead into it for good.
HMODULE ThisLibrary();
// The shown page of the process's visible property sheet, or null.
HWND ShownPage();
std::wstring WindowText(HWND window);

// The counting wrappers: each Install returns the import slots that lead to them.
int InstallObjectCounter();
void ReadObjectCounts(frame_probe::ObjectCounts& counts);  // the GDI fields
int InstallSoundCounter();
DWORD SoundsPlayed();

}  // namespace probe
