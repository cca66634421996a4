// Timing a page's first showing in a running wizard, from outside.
#pragma once

#include <windows.h>

#include <string>

// Makes page index the sheet's shown page (it is made then, the first time)
// and returns the milliseconds until it is painted; -1 with error set when it
// does not come.
double TimePageJump(HWND sheet, int index, std::string& error);
