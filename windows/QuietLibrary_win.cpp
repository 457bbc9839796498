#include "windows/QuietLibrary_win.h"

Library LoadLibraryQuietly(const std::string& path) {
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Library library(LoadLibraryA(path.c_str()));
    SetErrorMode(previousMode);
    return library;
}
