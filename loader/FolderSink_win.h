// Writes unpacked files below the extraction folder. Each file is new
// (CREATE_NEW): a name that the index gives twice in another spelling can
// never overwrite an earlier file. The files unpacked behind setup.exe's
// pages are reserved first (made new at their full size, so that listings
// and sizes are right at once) and filled later by a sink that opens them.
#pragma once
#include <atomic>
#include <string>

#include "bundle/PayloadUnpack.h"
#include "windows/Handles_win.h"

class FolderSink : public UnpackSink {
public:
    enum class Mode { CreateNew, FillReserved };
    // stop, when given, ends the writing (Write fails) once it is set.
    explicit FolderSink(const std::string& folder, Mode mode = Mode::CreateNew,
                        const std::atomic<bool>* stop = nullptr)
        : folder_(folder), mode_(mode), stop_(stop) {}
    bool Reserve(const PackedFile& file);
    bool Begin(const PackedFile& file) override;
    bool Write(const void* data, size_t size) override;
    bool End() override;

private:
    bool MakeFolders(const std::string& path) const;

    std::string folder_;
    Mode mode_;
    const std::atomic<bool>* stop_;
    FileHandle file_;
};
