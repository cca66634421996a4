// Where the profile lives: HKEY_CURRENT_USER\<root>, the root set by Reg_InitProfile.
#pragma once

#include "registry_key.h"

namespace dormex {

// Opens the profile's subkey for reading; false before Reg_InitProfile or when absent.
bool OpenProfileKey(LPCSTR subkey, RegKey& key, REGSAM access = KEY_READ);
// Opens or creates the profile's subkey for writing.
bool CreateProfileKey(LPCSTR subkey, RegKey& key);

}  // namespace dormex
