#include "tests/e2e/robot/Screen.h"

#include <cstdio>
#include <vector>

#include "windows/Handles_win.h"

COLORREF ScreenPixel(int x, int y) {
    WindowDc screen(nullptr);
    return screen ? GetPixel(screen.get(), x, y) : CLR_INVALID;
}

std::string RgbHex(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof(text), "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

namespace {

// The file layout of a bottom-up 24-bit BMP: headers, then rows of
// pixels padded to 4 bytes, the last screen row first.
bool WriteBitmapFile(const std::string& path, const BITMAPINFOHEADER& info, const std::vector<char>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FileHandle out(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return out && WriteFile(out.get(), &file, sizeof(file), &written, nullptr) &&
           WriteFile(out.get(), &info, sizeof(info), &written, nullptr) &&
           WriteFile(out.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
}

} // namespace

bool SaveScreenBitmap(const std::string& path, std::string& error) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!screen || !memory || !bitmap) {
        error = "cannot create the screen copy";
        return false;
    }
    {
        SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    std::vector<char> pixels(stride * static_cast<size_t>(height));
    if (!GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
        error = "cannot read the screen copy";
        return false;
    }
    if (!WriteBitmapFile(path, info, pixels)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
