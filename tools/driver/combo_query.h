// A combo box of another process: its list read through the marshalled
// combo messages, and an item chosen with the keyboard as a person does.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// The selected index, -1 for none or when the combo does not answer.
int ComboSelection(HWND combo);
int ComboCount(HWND combo);
// An item's text (a combo that keeps strings); empty when it cannot be read.
std::string ComboItemText(HWND combo, int index);
// Clicks the combo (which opens its list and takes the focus), closes the list
// and walks to index with Home and Down, each step a selection change the
// owner hears of. Waits until the combo shows index; false (with a failure)
// when it does not.
bool ChooseComboItem(HWND combo, int index);

}  // namespace driver
