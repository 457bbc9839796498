#include "loader/FolderSink_win.h"

bool FolderSink::Begin(const PackedFile& file) {
    // The index checked the path: components below the folder only.
    for (size_t slash = file.Path.find('\\'); slash != std::string::npos; slash = file.Path.find('\\', slash + 1)) {
        const std::string folder = folder_ + "\\" + file.Path.substr(0, slash);
        if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    const std::string path = folder_ + "\\" + file.Path;
    file_.reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
}

bool FolderSink::Write(const void* data, size_t size) {
    DWORD written = 0;
    return WriteFile(file_.get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool FolderSink::End() {
    file_.reset();
    return true;
}
