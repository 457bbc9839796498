// Folders the installation needs, made whole: every missing level from the
// top down, each journaled just before it is made, so that the undo of a
// stopped run removes exactly the levels this run made and no other.
#pragma once
#include <string>

struct MadeFolder {
    bool Exists = false;        // the folder is there afterwards (made now or before)
    std::string OutermostMade;  // the highest level made now; empty when none was
};

MadeFolder MakeFolderWhole(const std::string& path);

// Takes away again, deepest first, the levels from path up to outermostMade
// that are empty: a folder made for something that then failed (a shortcut
// that could not be saved) does not stay behind empty.
void RemoveEmptyMadeLevels(const std::string& path, const std::string& outermostMade);
