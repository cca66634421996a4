// The windows of the other programs on the desktop, as text: what a test saw
// when it failed.
#pragma once

#include <string>

namespace driver {

// Every top-level window of another process (with its program's name), and
// the controls of the visible ones. Reads no text by messages, so a hung
// program cannot stop it.
std::string DescribeOtherWindows();

}  // namespace driver
