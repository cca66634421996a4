// Shell item identifier lists: sizes, joins and copies, all in memory from
// the shell allocator (free with the same).
#pragma once

#include <shlobj.h>

// Bytes of the list with its 2-byte terminator; 0 for no list.
UINT GetIdListSize(LPCITEMIDLIST list);
// first (may be null) without its terminator, then all of second; null when
// the allocation fails.
LPITEMIDLIST ConcatIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second);
// The item's first identifier as a list of its own (identifier and terminator).
LPITEMIDLIST CopyItemId(LPMALLOC malloc, LPCITEMIDLIST item);
