// Reading one value of the store with its reader's default, as the pages do
// when they are initialised or fall back to what is stored.
#pragma once

#include "store_layout.h"

#include <string>

// The stored number, or the value's default when it is absent or unreadable.
DWORD ReadNumber(const store::NumberValue& value);
// The same with a default known only at run time.
DWORD ReadNumber(const store::NumberValue& value, DWORD fallback);
// Read into the value's buffer size, so at most bufferSize - 1 characters.
std::string ReadString(const store::StringValue& value);
// A value under another subkey (a key's record) with its own default.
std::string ReadString(LPCSTR subkey, LPCSTR name, LPCSTR fallback, DWORD bufferSize);
