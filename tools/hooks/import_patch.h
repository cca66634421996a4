// Redirecting a function's import slots in the modules of this process.
#pragma once

#include <windows.h>

#include <vector>

// Points every import slot of module that holds original at replacement, and
// returns how many of its slots lead to replacement afterwards (including those
// redirected before). Slots are matched by address, so an import is found
// whatever name the module gave the exporting library.
int RedirectImports(HMODULE module, const void* original, const void* replacement);

template <class Function>
int RedirectImports(HMODULE module, Function* original, Function* replacement) {
    return RedirectImports(module, reinterpret_cast<const void*>(original), reinterpret_cast<const void*>(replacement));
}

// Every module loaded in this process.
std::vector<HMODULE> ProcessModules();
