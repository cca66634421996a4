// DormexUtil.dll: the per-user settings profile, the program launcher and the
// shell link reader that the wizard imports by name.
//
// Every function uses the C calling convention and 8-bit (ANSI) strings.
//
// The profile is HKEY_CURRENT_USER\<root>\<subkey>, with the root given to
// Reg_InitProfile. Numbers are REG_DWORD, strings REG_SZ, byte blocks REG_BINARY.
// Subkey paths are relative to the root and separated by backslashes.
//
// Reads keep three promises, whatever the registry holds:
//   - the out value always holds the stored value or the default;
//   - the result is non-zero only when a value of the asked type was found;
//   - nothing is ever written past the caller's buffer.
#pragma once

#include <windows.h>

#ifdef DORMEXUTIL_BUILD
#define DORMEXUTIL_API extern "C" __declspec(dllexport)
#else
#define DORMEXUTIL_API extern "C" __declspec(dllimport)
#endif

// Selects the profile root (for example "Software\Varnholt\Productivity").
// Windows already keeps HKEY_CURRENT_USER per logged-on user, so the user name
// selects nothing further: it is accepted for the callers' sake and ignored.
// Until this is called, reads give their defaults and writes fail.
DORMEXUTIL_API BOOL __cdecl Reg_InitProfile(LPCSTR profileRoot, LPCSTR userName);

// *value receives the stored REG_DWORD, or defaultValue when there is none
// (a value of another type counts as none). Non-zero when a number was found.
DORMEXUTIL_API BOOL __cdecl Reg_GetProfileNumber(LPCSTR subkey, LPCSTR valueName,
                                                 DWORD* value, DWORD defaultValue);

// buffer receives the stored REG_SZ, or defaultValue when there is none; either
// is cut to at most bufferSize - 1 bytes, never inside a double-byte character
// of the ANSI code page, and always terminated inside the buffer.
// Non-zero when a string was found.
DORMEXUTIL_API BOOL __cdecl Reg_GetProfileString(LPCSTR subkey, LPCSTR valueName,
                                                 LPSTR buffer, DWORD bufferSize,
                                                 LPCSTR defaultValue);

// *size holds the buffer's capacity on entry and the bytes read on success.
// A block larger than the capacity, or a value of another type, fails: the
// buffer is left untouched and *size is set to 0. The last two arguments are 0.
DORMEXUTIL_API BOOL __cdecl Reg_GetProfileBinary(LPCSTR subkey, LPCSTR valueName,
                                                 LPBYTE buffer, DWORD* size,
                                                 DWORD reserved1, DWORD reserved2);

// Writes create the subkeys they need. Non-zero on success.
DORMEXUTIL_API BOOL __cdecl Reg_SetProfileNumber(LPCSTR subkey, LPCSTR valueName, DWORD value);
DORMEXUTIL_API BOOL __cdecl Reg_SetProfileString(LPCSTR subkey, LPCSTR valueName, LPCSTR value);
DORMEXUTIL_API BOOL __cdecl Reg_SetProfileBinary(LPCSTR subkey, LPCSTR valueName,
                                                 const BYTE* data, DWORD size);

// Removes <parent>\<child> with everything under it; the parent stays.
DORMEXUTIL_API BOOL __cdecl Reg_DelProfileKey(LPCSTR parentSubkey, LPCSTR childName);

// Reads a REG_SZ outside the profile, under a predefined root such as
// HKEY_LOCAL_MACHINE (read through the 32-bit registry view, where the
// product's installer writes). buffer is cut and terminated as above, and is
// the empty string when the value is missing. Non-zero when it exists.
DORMEXUTIL_API BOOL __cdecl Reg_GetValueString(HKEY rootKey, LPCSTR keyPath, LPCSTR valueName,
                                               LPSTR buffer, DWORD bufferSize);

// Starts a program without waiting for it. A bare file name is looked for
// only beside this DLL (never in the current folder or on the search path);
// a full path is taken as given. arguments and directory may be null; flags
// is 0. Non-zero when the process was created.
DORMEXUTIL_API BOOL __cdecl LaunchProgram(LPCSTR program, LPCSTR arguments,
                                          LPCSTR directory, DWORD flags);

// Reads a ".lnk" shell link's target path and arguments into two buffers of
// MAX_PATH bytes. Both are empty strings when the link cannot be read, when
// its target is gone, or when its target or arguments do not fit those
// buffers whole. The
// owner window is not used: the link is read, never resolved with a dialog.
// flags is 0. Non-zero when the link was read.
DORMEXUTIL_API BOOL __cdecl GetLinkInfoEx(HWND owner, LPCSTR linkPath,
                                          LPSTR target, LPSTR arguments, DWORD flags);
