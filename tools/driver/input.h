// Mouse and keyboard input as a person gives it: through the system's input queue.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace driver {

// Moves the cursor onto a point in window's client coordinates.
void MoveCursorTo(HWND window, POINT client);
// Moves the cursor there and clicks the left button.
void ClickAt(HWND window, POINT client);
// The centre of a window, in its own client coordinates.
POINT CentreOf(HWND window);

// Brings window to the front so that it receives the keys.
void Activate(HWND window);
// Presses and releases the keys in order, holding none.
void PressKeys(std::initializer_list<WORD> virtualKeys);
// Presses a key while the modifiers are held, e.g. PressChord({VK_MENU}, 'N').
void PressChord(std::initializer_list<WORD> modifiers, WORD key);

}  // namespace driver
