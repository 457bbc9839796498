// Files for the tests of the installation engine's Win32 layer: the built
// fixtures and scratch directories that clean up after themselves.
#pragma once
#include <string>

namespace install_test {

// Full path of a fixture built into "fixtures" beside the test program.
std::string FixturePath(const std::string& name);
// The directory that holds the fixtures, without a trailing backslash.
std::string FixtureDirectory();

bool FileExists(const std::string& path);
// Creates or replaces a file with the given bytes; false on any failure.
bool WriteTextFile(const std::string& path, const std::string& text);

// A new, empty directory under the Windows temporary directory; removed with
// everything in it (read-only files included) when the object goes.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}
