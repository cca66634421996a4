#include "import_patch.h"

#include <psapi.h>

#include <algorithm>

namespace {

constexpr DWORD kExecutable = PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// Writes one slot, keeping its page executable if it was (some linkers merge
// the import table into the code section).
bool WriteSlot(ULONG_PTR* slot, const void* value) {
    MEMORY_BASIC_INFORMATION page = {};
    if (!VirtualQuery(slot, &page, sizeof page)) return false;
    const DWORD writable = (page.Protect & kExecutable) ? PAGE_EXECUTE_READWRITE : PAGE_READWRITE;
    DWORD old = 0;
    if (!VirtualProtect(slot, sizeof *slot, writable, &old)) return false;
    // Other threads may call through the slot meanwhile: one aligned store.
    InterlockedExchangePointer(reinterpret_cast<PVOID*>(slot), const_cast<void*>(value));
    VirtualProtect(slot, sizeof *slot, old, &old);
    FlushInstructionCache(GetCurrentProcess(), slot, sizeof *slot);
    return true;
}

const IMAGE_DATA_DIRECTORY* ImportDirectory(const BYTE* base) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) return nullptr;
    if (nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return nullptr;
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    return directory->VirtualAddress && directory->Size ? directory : nullptr;
}

}  // namespace

int RedirectImports(HMODULE module, const void* original, const void* replacement) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DATA_DIRECTORY* directory = ImportDirectory(base);
    if (!directory) return 0;
    int leading = 0;
    const auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory->VirtualAddress);
    for (; library->Name; ++library) {
        // The loader has filled FirstThunk with the resolved addresses, bound or not.
        auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(const_cast<BYTE*>(base) + library->FirstThunk);
        for (; thunk->u1.Function; ++thunk) {
            auto* slot = reinterpret_cast<ULONG_PTR*>(&thunk->u1.Function);
            if (*slot == reinterpret_cast<ULONG_PTR>(original) && WriteSlot(slot, replacement)) ++leading;
            else if (*slot == reinterpret_cast<ULONG_PTR>(replacement)) ++leading;
        }
    }
    return leading;
}

std::vector<HMODULE> ProcessModules() {
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &needed)) {
        return {};
    }
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    return modules;
}
