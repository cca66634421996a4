// Reading one stored value the way every page does: through the profile
// library, with the default its reader passes.
#pragma once

#include "store_layout.h"

// The stored number, or the value's default when it is absent or unreadable.
DWORD ReadNumber(const store::NumberValue& value);
