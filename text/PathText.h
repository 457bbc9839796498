// Small rules on path texts (ANSI bytes, backslash separators) shared by the
// copy run and the versioned installation.
#pragma once
#include <string>
#include <vector>

// Reduces doubled backslashes the way the installer always has: walking the
// positions of the original length, a backslash followed by another one is
// removed and the walk moves on by one in any case. So a pair becomes one,
// three become two and four become two; "\\server" becomes "\server".
void CollapseBackslashes(std::string& path);

// The text after the last backslash; the whole text when it has none.
std::string FileNamePart(const std::string& path);

// A path cut at its last backslash; the backslash itself belongs to neither
// part. Without a backslash the directory is empty and the name is the path.
struct PathSplit {
    std::string Directory;
    std::string Name;
};
PathSplit SplitAtLastBackslash(const std::string& path);

// A destination that names a directory (it ends with a backslash once its
// references are resolved, as "[DP]" does) receives the source's file name:
// a file cannot be installed under a directory's own name.
void CompleteDirectoryDestination(std::string& destination, const std::string& source);

// A full path in its normal form, decided from the text alone: '/' is taken
// as '\', doubled separators and "." components are dropped, ".." takes away
// the component before it but never the drive ("C:") or the share
// ("\\server\share"), and no separator ends it except a drive's root ("C:\").
// Empty when the path is not full (relative, "\\server" without a share, or
// a device form such as "\\?\" or "\\.\").
// Case is kept: folding it is the platform's business.
std::string NormalizedPath(const std::string& path);

// Each folder of a normalized path from the top down to the path itself,
// the drive root or share left out: "C:\A\B" gives "C:\A" and "C:\A\B".
std::vector<std::string> FolderLevels(const std::string& normalizedPath);

// The normalized path is the folder or lies below it (exact text compared).
bool IsInsideFolder(const std::string& normalizedPath, const std::string& normalizedFolder);

// The path with ASCII letters upper-cased: names as Windows compares them.
std::string UpperCasedPath(const std::string& path);
