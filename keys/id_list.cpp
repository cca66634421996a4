#include "id_list.h"

#include "com_ptr.h"

#include <cstring>

namespace {

USHORT ItemSize(const BYTE* item) {
    USHORT size = 0;
    std::memcpy(&size, item, sizeof size);  // identifiers need not be aligned
    return size;
}

}  // namespace

UINT GetIdListSize(LPCITEMIDLIST list) {
    if (!list) return 0;
    UINT size = sizeof(USHORT);
    for (auto* item = reinterpret_cast<const BYTE*>(list); const USHORT count = ItemSize(item); item += count) {
        size += count;
    }
    return size;
}

LPITEMIDLIST ConcatIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second) {
    dormex::ComPtr<IMalloc> malloc;
    if (FAILED(::SHGetMalloc(malloc.put()))) return nullptr;
    const UINT firstSize = first ? GetIdListSize(first) - sizeof(USHORT) : 0;
    // A missing second list counts as the empty list: the result is still terminated.
    const UINT secondSize = second ? GetIdListSize(second) : sizeof(USHORT);
    auto* joined = static_cast<BYTE*>(malloc->Alloc(firstSize + secondSize));
    if (!joined) return nullptr;
    std::memset(joined, 0, firstSize + secondSize);
    if (firstSize) std::memcpy(joined, first, firstSize);
    if (second) std::memcpy(joined + firstSize, second, secondSize);
    return reinterpret_cast<LPITEMIDLIST>(joined);
}

LPITEMIDLIST CopyItemId(LPMALLOC malloc, LPCITEMIDLIST item) {
    const USHORT count = ItemSize(reinterpret_cast<const BYTE*>(item));
    auto* copy = static_cast<BYTE*>(malloc->Alloc(count + sizeof(USHORT)));
    if (!copy) return nullptr;
    std::memcpy(copy, item, count);
    std::memset(copy + count, 0, sizeof(USHORT));
    return reinterpret_cast<LPITEMIDLIST>(copy);
}
