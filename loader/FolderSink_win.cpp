#include "loader/FolderSink_win.h"

bool FolderSink::MakeFolders(const std::string& path) const {
    // The index checked the path: components below the folder only.
    for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        const std::string folder = folder_ + "\\" + path.substr(0, slash);
        if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

bool FolderSink::Reserve(const PackedFile& file) {
    if (!MakeFolders(file.Path))
        return false;
    const std::string path = folder_ + "\\" + file.Path;
    const FileHandle reserved(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!reserved)
        return false;
    LONG high = static_cast<LONG>(file.Size >> 32);
    if (SetFilePointer(reserved.get(), static_cast<LONG>(file.Size & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return false;
    return SetEndOfFile(reserved.get()) != FALSE;
}

bool FolderSink::Begin(const PackedFile& file) {
    if (mode_ == Mode::CreateNew && !MakeFolders(file.Path))
        return false;
    const std::string path = folder_ + "\\" + file.Path;
    file_.reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            mode_ == Mode::CreateNew ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
}

bool FolderSink::Write(const void* data, size_t size) {
    if (stop_ && stop_->load())
        return false;
    DWORD written = 0;
    return WriteFile(file_.get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool FolderSink::End() {
    file_.reset();
    return true;
}
