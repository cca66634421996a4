// One timed start of a wizard program: from CreateProcess to its first page
// painted, with the working set at that moment.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct StartSample {
    double startMs = 0;
    double workingSetMiB = 0;
    bool pendingSeen = false;   // the page was seen with a paint still pending
    bool endedByForce = false;  // it did not close on Cancel and was ended
};

// Starts program, waits for its first page painted (a visible page with no
// paint pending in it or its controls, and its paint handlers returned), reads
// its working set, calls atPainted (if any) with the page, cancels the wizard
// and waits until no process of it is left. Every wait has a time limit; on failure returns
// false with the reason in error.
bool TimeOneStart(const std::string& program, StartSample& sample, std::string& error,
                  const std::function<void(HWND page)>& atPainted = {});
