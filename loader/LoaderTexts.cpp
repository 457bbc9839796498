#include "loader/LoaderTexts.h"

const char* const kLoaderCaption = "Setup";

std::string DamagedText(PayloadProblem problem) {
    return std::string("This setup program is damaged: ") + PayloadProblemText(problem) +
           ".\n\nNothing was unpacked or installed. Please download it again.";
}

std::string ByteCountText(uint64_t bytes) {
    if (bytes < 1024)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    // In tenths of the unit, rounded up: a missing amount is never understated.
    uint64_t divisor = 1024;
    int unit = 0;
    while (bytes / divisor >= 1024 && unit < 3) {
        divisor *= 1024;
        ++unit;
    }
    const uint64_t tenths = (bytes * 10 + divisor - 1) / divisor;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " + kUnits[unit];
}

std::string MissingSpaceText(const std::string& volume, uint64_t needed, uint64_t available) {
    return "Setup needs " + ByteCountText(needed) + " on " + volume + " to unpack its files, but only " +
           ByteCountText(available) + " are free.\n\nPlease free " + ByteCountText(needed - available) +
           " and start setup again.";
}
