// The end-to-end driver, all in one include: programs, the registry, windows,
// waiting for them, the files they write, and what the test is doing right
// now, for the report of a test that fails or runs out of time.
#pragma once

#include "launched_process.h"
#include "registry_view.h"
#include "window_query.h"

#include <functional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD kWaitMs = 10000;

// Polls condition every few milliseconds until it holds or timeoutMs passes.
// On timeout adds a failure "timed out after N ms waiting for <what>", so that
// callers only need to check the result.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::string& what);
// Lets the programs under test run for a while (for checks that something does
// NOT happen within a reasonable time).
void Pause(DWORD ms);

// The driver notes its waits and remote calls; tests may note their own steps.
void NoteStep(const std::string& step);
std::string CurrentStep();

// The full path of a file beside the running test program (tests build their
// helper programs and libraries there, outside bin/).
std::string FileBesideTest(const std::string& file);

// The file's lines without their line ends; empty when the file is missing.
std::vector<std::string> ReadLines(const std::string& path);
// Waits until the file holds at least count lines; returns what it holds then.
std::vector<std::string> WaitForLines(const std::string& path, size_t count, DWORD timeoutMs);
// A fresh path in the temporary folder, for one test's log.
std::string TempFilePath(const std::string& stem);

}  // namespace driver
