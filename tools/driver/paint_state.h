// Whether a window still has painting to do, as another process sees it;
// without any test framework, so that the benchmark uses it too.
#pragma once

#include <windows.h>

namespace driver {

// True while window or one of its visible descendants has a paint pending.
bool PaintPending(HWND window);

}  // namespace driver
