// Writes unpacked files below the extraction folder. Each file is new
// (CREATE_NEW): a name that the index gives twice in another spelling can
// never overwrite an earlier file.
#pragma once
#include <string>

#include "bundle/PayloadUnpack.h"
#include "windows/Handles_win.h"

class FolderSink : public UnpackSink {
public:
    explicit FolderSink(const std::string& folder) : folder_(folder) {}
    bool Begin(const PackedFile& file) override;
    bool Write(const void* data, size_t size) override;
    bool End() override;

private:
    std::string folder_;
    FileHandle file_;
};
