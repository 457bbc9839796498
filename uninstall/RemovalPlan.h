// What the uninstaller removes, and in which order, decided from the log
// alone with the platform's answers passed in: which records may be acted on
// at all, the order of the files, the directories that may go once they are
// empty, and the registry keys.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "uninstall/UninstallLogReader.h"

enum class PathProblem {
    None,
    Relative,      // not a full path with a drive: it would depend on the current directory
    Network,       // \\server\share
    Device,        // \\.\ or \\?\, a device name such as NUL or COM1, or a stream (name:stream)
    Traversal,     // a "." or ".." component
    Wildcard,      // * or ?
    Directory,     // ends with a separator, or names an existing directory
};

// The text rules; a directory on disk is found by the plan's probe.
PathProblem CheckRecordPath(const std::string& path);
const char* DescribePathProblem(PathProblem problem);

struct RefusedRecord {
    size_t Line = 0;
    std::string Path;
    PathProblem Problem = PathProblem::None;
};

struct RemovalPlan {
    // Records that must not be acted on. When there is any, the log is not
    // trusted and nothing at all is removed.
    std::vector<RefusedRecord> Refused;
    // Indexes into ParsedLog::Records: the last record first, so that a
    // shortcut goes before its file and later installations before earlier.
    std::vector<size_t> Order;
};

RemovalPlan PlanRemoval(const ParsedLog& log, const std::function<bool(const std::string&)>& isDirectory);

// The same path to Windows: ASCII case ignored, '/' taken as '\', doubled and
// trailing separators ignored.
bool SamePath(const std::string& a, const std::string& b);

// The directories that held the given files and their parents, deepest
// first, each once, that may be removed if they are empty. The walk up from
// a file stops below a drive root and at the first protected folder (the
// Windows and system directories, Program Files, the Programs and Start Menu
// folders, the Desktop, as the platform names them in long and short form):
// those and everything above them stay.
std::vector<std::string> DirectoriesToTry(const std::vector<std::string>& files,
                                          const std::vector<std::string>& protectedFolders);
