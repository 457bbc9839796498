// Short (8.3) forms of the paths of an installation. Its files come from a
// few directories and go to a few others, so the short form of each
// directory is asked for once and remembered; a file then costs one lookup
// of its own name instead of one per component of its path, which matters
// when thousands of small files are installed.
#pragma once
#include <string>

// The short form of an existing directory; empty when it does not exist.
// A drive alone ("C:") stands for its root and is returned as it is.
std::string ShortDirectoryForm(const std::string& directory);

// The short form of a file's full path; empty when it does not exist. A name
// that is its own short name is not looked up, so for it only the directory
// has to exist.
std::string ShortFileForm(const std::string& path);
