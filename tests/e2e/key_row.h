// The key row of the Customize Keys page as a person points at it.
#pragma once

#include <windows.h>

namespace key_row {

constexpr int kPage = 3;

// The centre of key k's hot spot on the page, in client pixels.
inline POINT KeyCentre(int k) {
    const int lefts[] = {216, 292, 366, 438, 511, 585, 658};
    return {lefts[k] + 20, 174};
}

}  // namespace key_row
