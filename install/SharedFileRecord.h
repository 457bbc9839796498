// The uninstall record of an installed shared file and the self-registration
// of shared files that load as a library.
#pragma once
#include <string>

// Writes the "SHARED" record of directory\name and counts one more user of
// the file in SharedDLLs (existedBefore: the file was there before this
// installation). When the file loads as a
// library, its DllRegisterServer is called if it has one ("AUTOREGSVR",
// whatever the result; a failure is shown and the run goes on), else
// "NOAUTOREGSVR" is recorded; a file that does not load gets no third line.
void RecordAndRegisterSharedFile(const std::string& directory, const std::string& name, bool existedBefore);
