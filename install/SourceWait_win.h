// A copy run started by a bundle's loader may reach a source file that the
// loader is still unpacking behind the pages: it waits for that file, and
// for no other.
#pragma once
#include <string>

#include "install/RunFlow.h"

// Returns at once when setup.exe did not come from a bundle, or the source
// is complete; otherwise waits, keeping the window alive. Stop when the file
// will never come (the loader failed or ended: the user is told, the run
// counts as failed) or the user quit meanwhile.
RunFlow WaitUntilUnpacked(const std::string& sourcePath);
