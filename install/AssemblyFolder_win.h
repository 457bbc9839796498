// The folder in which this run puts split files together: made for the run
// with an unpredictable name below the Windows temporary directory, so that
// neither a file left by an earlier run nor one planted by another user
// becomes part of an installed file; removed when the run ends.
#pragma once
#include <string>

// The folder's path, made at the first call of a run; empty when it cannot
// be made.
std::string RunAssemblyFolder();

// Removes the folder and the files in it, if this run made one.
void RemoveRunAssemblyFolder();

// Removes the folder when the scope (the run) ends, however it ends.
struct RunAssemblyFolderScope {
    RunAssemblyFolderScope() = default;
    ~RunAssemblyFolderScope() { RemoveRunAssemblyFolder(); }
    RunAssemblyFolderScope(const RunAssemblyFolderScope&) = delete;
    RunAssemblyFolderScope& operator=(const RunAssemblyFolderScope&) = delete;
};
