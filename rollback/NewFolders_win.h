// Folders the installation needs, made whole: every missing level from the
// top down, each journaled just before it is made, so that the undo of a
// stopped run removes exactly the levels this run made and no other.
#pragma once
#include <string>

// True when the folder exists afterwards (made now or there before).
bool MakeFolderWhole(const std::string& path);
