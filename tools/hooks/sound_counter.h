// The sounds the program plays, counted by a wrapper that its PlaySoundA
// import, or its look-up of PlaySoundA when it loads the sound library late,
// is redirected to.
#pragma once

#include <windows.h>

namespace sound_counter {

// Redirects the program's PlaySoundA and GetProcAddress; returns the slots that lead to the wrappers.
int Install();
// The calls since Install.
DWORD Played();

}  // namespace sound_counter
