// The GDI objects the program's own modules hold, counted by wrappers that
// their import slots are redirected to.
#pragma once

#include "frame_probe_state.h"

namespace object_counter {

// Redirects the imports of the program's modules (those loaded from the
// program's folder) to the wrappers; returns the slots that lead to them.
int Install(HMODULE self);
// The live objects made since Install; fills the GDI fields only.
void Read(frame_probe::ObjectCounts& counts);

}  // namespace object_counter
