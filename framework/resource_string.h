// A string of the program's string table, in the language the system picks.
#pragma once

#include "win_app.h"

#include <string>

inline std::string LoadResourceString(UINT id) {
    char text[512] = {};
    ::LoadStringA(AfxGetInstanceHandle(), id, text, sizeof text);
    return text;
}
