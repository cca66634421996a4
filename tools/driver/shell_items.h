// Shell items that tests put into the prefix: shell links, Internet
// shortcuts, folders and files under the special folders, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// The file-system path of a special folder (CSIDL_*), empty when it has none.
std::string SpecialFolderPath(int csidl);
// A shell link made with the shell's own interfaces, as an installer would.
// The calling thread must have COM initialised.
bool MakeShellLink(const std::string& linkPath, const char* target, const char* arguments);
// The target path of a shell link; empty when it cannot be read. COM as above.
std::string ShellLinkTarget(const std::string& linkPath);
// A shell link to a special folder (CSIDL_*) by its identifier list, as to a
// virtual folder that has no path.
bool MakeShellLinkToFolder(const std::string& linkPath, int csidl);
// An Internet shortcut file: section "InternetShortcut", value "URL".
bool MakeUrlShortcut(const std::string& path, const std::string& address);
// A file with some text in it; hidden when asked. The path may be longer
// than MAX_PATH.
bool MakeFile(const std::string& path, bool hidden = false);
// Makes the folder and any missing parents.
bool MakeFolders(const std::string& path);
// Removes a folder with everything in it, paths longer than MAX_PATH too;
// true also when it was absent.
bool RemoveTree(const std::string& path);

}  // namespace driver
