// Dialog initialisation data: the list items a dialog template carries in a
// resource of its own (RT_DLGINIT, 240), added to its controls.
#pragma once

#include <windows.h>

// Adds the items of templateId's initialisation data to the dialog's lists and
// combos. A template without such data, or data that is cut short, adds
// nothing more than what is whole.
void ExecuteDlgInit(HWND dialog, UINT templateId);

// The same from the data itself (size bytes at data).
void ExecuteDlgInitData(HWND dialog, const BYTE* data, DWORD size);
