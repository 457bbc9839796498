#include "tests/wine/InstallTestSupport.h"

#include <windows.h>

#include <vector>

#include "windows/FindFiles.h"
#include "windows/Handles.h"
#include "windows/SystemPaths.h"

namespace install_test {

namespace {

std::string ProgramDirectory() {
    const std::string path = ProgramPath();
    return path.substr(0, path.find_last_of('\\'));
}

void RemoveTree(const std::string& directory) {
    std::vector<std::string> files;
    std::vector<std::string> directories;
    ForEachMatchingFile(directory + "\\*", [&](const std::string& name, bool isDirectory) {
        if (name == "." || name == "..")
            return;
        (isDirectory ? directories : files).push_back(directory + "\\" + name);
    });
    for (const std::string& file : files) {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
    }
    for (const std::string& subdirectory : directories)
        RemoveTree(subdirectory);
    RemoveDirectoryA(directory.c_str());
}

}

std::string FixtureDirectory() {
    return ProgramDirectory() + "\\fixtures";
}

std::string FixturePath(const std::string& name) {
    return FixtureDirectory() + "\\" + name;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

ScratchDirectory::ScratchDirectory() {
    char temp[MAX_PATH] = "";
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    const std::string base = std::string(temp, length < sizeof(temp) ? length : 0) + "install-test-" +
                             std::to_string(GetCurrentProcessId()) + "-";
    // Numbered until a name is free; any other failure leaves a path that
    // does not exist, on which every test step then fails visibly.
    for (unsigned attempt = 0;; ++attempt) {
        path_ = base + std::to_string(attempt);
        if (CreateDirectoryA(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

ScratchDirectory::~ScratchDirectory() {
    RemoveTree(path_);
}

}
