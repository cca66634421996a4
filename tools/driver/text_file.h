// Reading the text files that programs under test write, such as the daemon's log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The file's lines without their line ends; empty when the file is missing.
std::vector<std::string> ReadLines(const std::string& path);
// Waits until the file holds at least count lines; returns what it holds then.
std::vector<std::string> WaitForLines(const std::string& path, size_t count, DWORD timeoutMs);
// A fresh path in the temporary folder, for one test's log.
std::string TempFilePath(const std::string& stem);

}  // namespace driver
