// The sounds the program plays, counted by a wrapper that its PlaySoundA
// import is redirected to.
#pragma once

#include <windows.h>

namespace sound_counter {

// Redirects the program's PlaySoundA; returns the slots that lead to the wrapper.
int Install();
// The calls since Install.
DWORD Played();

}  // namespace sound_counter
