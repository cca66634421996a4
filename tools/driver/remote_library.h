// Loading a library into another running program and running code of it
// there, as Windows test tools hook a program's API calls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace driver {

// The full path of a file beside the running test program (tests build their
// helper programs and libraries there, outside bin/).
std::string FileBesideTest(const std::string& file);

// Loads the library at path into process with LoadLibraryA on a thread there
// and waits for it. Returns the library's base address in that process, or
// null with a failure reported. The process must have this process's bitness
// and be opened with create-thread, VM and query rights.
HMODULE LoadRemoteLibrary(HANDLE process, const std::string& path, DWORD timeoutMs);

// Runs the library's exported thread routine (DWORD WINAPI f(LPVOID)) in
// process, where the library is loaded at remoteBase, and returns its exit
// code; nothing (with a failure reported) if it cannot run or does not end.
// parameter is passed as it is: a number, or an address in that process.
std::optional<DWORD> RunRemoteExport(HANDLE process, HMODULE remoteBase, const std::string& path,
                                     const char* exportName, DWORD timeoutMs, void* parameter = nullptr);

}  // namespace driver
