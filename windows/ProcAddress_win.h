// Typed lookup of an export, for entry points found at run time.
#pragma once
#include <windows.h>

template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
