// Commands about the screen's colours and about paths.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/Screen.h"
#include "wizard/Gradient.h"

namespace {
std::string PixelLine(int x, int y, COLORREF colour) {
    return "pixel x=" + std::to_string(x) + " y=" + std::to_string(y) + " rgb=" + RgbHex(colour);
}
}

bool PixelCommand(Session&, const RobotCommand& command, std::string& error) {
    long x = 0;
    long y = 0;
    if (!NumberWord(command, 0, x, error) || !NumberWord(command, 1, y, error))
        return false;
    const COLORREF colour = ScreenPixel(static_cast<int>(x), static_cast<int>(y));
    if (colour == CLR_INVALID) {
        error = "cannot read the screen";
        return false;
    }
    Report(PixelLine(static_cast<int>(x), static_cast<int>(y), colour));
    return true;
}

bool ExpectPixelCommand(Session& session, const RobotCommand& command, std::string& error) {
    long x = 0;
    long y = 0;
    if (!NumberWord(command, 0, x, error) || !NumberWord(command, 1, y, error))
        return false;
    if (command.Words.size() < 3) {
        error = "expected colour RRGGBB missing";
        return false;
    }
    COLORREF colour = CLR_INVALID;
    if (!PollUntil(session.TimeoutMs, [&] {
            colour = ScreenPixel(static_cast<int>(x), static_cast<int>(y));
            return RgbHex(colour) == command.Words[2];
        })) {
        error = "found " + PixelLine(static_cast<int>(x), static_cast<int>(y), colour);
        return false;
    }
    return true;
}

bool GradientCommand(Session&, const RobotCommand& command, std::string& error) {
    long value[7];
    for (size_t i = 0; i < 7; ++i) {
        if (!NumberWord(command, i, value[i], error))
            return false;
    }
    const ColourTriple from{static_cast<int>(value[0]), static_cast<int>(value[1]), static_cast<int>(value[2])};
    const ColourTriple to{static_cast<int>(value[3]), static_cast<int>(value[4]), static_cast<int>(value[5])};
    const GradientBands bands = ComputeGradientBands(from, to, static_cast<int>(value[6]));
    for (size_t i = 0; i < bands.size(); ++i) {
        Report("band index=" + std::to_string(i) + " top=" + std::to_string(bands[i].Top) +
               " bottom=" + std::to_string(bands[i].Bottom) + " rgb=" + RgbHex(bands[i].Fill));
    }
    return true;
}

bool ShortPathCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the path";
        return false;
    }
    char shortPath[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(command.Words[0].c_str(), shortPath, sizeof(shortPath));
    if (length == 0 || length >= sizeof(shortPath)) {
        error = "GetShortPathNameA failed, error " + std::to_string(GetLastError());
        return false;
    }
    Report("path long=" + QuoteText(command.Words[0]) + " short=" + QuoteText(shortPath));
    return true;
}

bool ScreenshotCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the file";
        return false;
    }
    if (!SaveScreenBitmap(command.Words[0], error))
        return false;
    Report("screenshot file=" + QuoteText(command.Words[0]));
    return true;
}
