// Seeing from outside when a wizard has painted its first page.
#pragma once

#include <windows.h>

#include <string>

struct FirstPage {
    HWND sheet = nullptr;  // the process's visible top-level dialog
    HWND page = nullptr;   // a visible child dialog of it
    bool paintPending = false;
};

// The first page of the process's wizard as it is now; page is null while
// there is none yet.
FirstPage LookForFirstPage(DWORD processId);

// Whether the update region of another process's windows can be read here:
// invalidates the shown page until its pending paint is seen, then checks that
// the program's repaint clears it. On failure explains why in detail.
bool UpdateRegionIsVisible(HWND page, std::string& detail);
