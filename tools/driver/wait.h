// Polling with a time limit. A wait that runs out reports what it waited for
// as a test failure, so that callers only need to check the result.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace driver {

constexpr DWORD kWaitMs = 10000;

// Polls condition every few milliseconds until it holds or timeoutMs passes.
// On timeout adds a failure "timed out after N ms waiting for <what>".
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::string& what);

// Lets the programs under test run for a while (for checks that something does
// NOT happen within a reasonable time).
void Pause(DWORD ms);

}  // namespace driver
