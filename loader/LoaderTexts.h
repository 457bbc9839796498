// The loader's messages.
#pragma once
#include <cstdint>
#include <string>

#include "bundle/PayloadFormat.h"

extern const char* const kLoaderCaption;

// The bundle is damaged: what is wrong, and a new download.
std::string DamagedText(PayloadProblem problem);

// Not enough room on the volume of the extraction folder.
std::string MissingSpaceText(const std::string& volume, uint64_t needed, uint64_t available);

// A number of bytes as a person reads it: "512 bytes", "1.5 KB", "12.3 MB", "2.1 GB".
std::string ByteCountText(uint64_t bytes);
