// The host system under Wine: its paths, and its programs (such as the tools
// that render a printed PDF). Wine starts a host program but gives no handle
// to wait on and no exit code, so the command runs in a shell that leaves its
// status in a file when it ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace driver {

// The host path of a Windows path, through Wine's own drive mapping; empty
// when the path has none.
std::string HostPath(const std::string& windowsPath);
// The Windows path of a host path; empty when Wine cannot map it.
std::string WindowsPath(const std::string& hostPath);
// Runs a shell command line on the host and waits up to timeoutMs for it to
// end. Its exit status; nothing (with a failure) when it could not start or
// did not end in time.
std::optional<int> RunOnHost(const std::string& shellCommand, DWORD timeoutMs);
// Quotes a string as one word for the host's shell.
std::string ShellQuote(const std::string& word);

}  // namespace driver
