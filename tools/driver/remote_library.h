// Loading a library into another running program, as Windows test tools do
// to look inside it.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// The full path of a file beside the running test program (tests build their
// helper programs and libraries there, outside bin/).
std::string FileBesideTest(const std::string& file);

// Loads the library at path into process, unless it is there already, with
// LoadLibraryA on a thread there. Returns the library's base address in that
// process, or null with a failure reported. The process must have this
// process's bitness and be opened with create-thread, VM and query rights.
HMODULE LoadRemoteLibrary(HANDLE process, const std::string& path, DWORD timeoutMs);

}  // namespace driver
