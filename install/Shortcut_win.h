// Shell link (.lnk) files made through the shell's link object. COM must be
// initialised on the calling thread (a single-threaded apartment).
#pragma once
#include <windows.h>

#include <string>

// Writes linkPath as a link to targetPath with the given description,
// replacing an existing file of that name. Returns the result of the saving
// call, S_OK when the file was written. The target need not exist.
//
// A link path must fit the platform's path limit: one that converts to 260
// or more wide characters is refused with
// HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE) before any object is made,
// since such a file could not be opened again by most of the shell anyway.
HRESULT CreateShortcut(const std::string& targetPath, const std::string& linkPath, const std::string& description);
