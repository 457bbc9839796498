// The records that AddFile, CreateSection and AddWindow create.
#pragma once
#include <cstdint>
#include <string>

// An opaque window handle; the Win32 layer stores its HWND values here.
using WindowHandle = void*;

struct FileEntry {
    std::string Source;
    std::string Destination;
    std::string ShortcutName;
    std::string Section;
    int Shared = 0;
    int16_t Disk = 0;
    int IsPiece = 0;
    int LastPiece = 0;
    int Shortcut = 0;
};

struct SectionEntry {
    std::string Name;
    int MustInstall = 0;
    std::string Comment;
    int Selected = 0;
};

struct DynamicControl {
    WindowHandle Window = nullptr;
    std::string Type;
    std::string Name;
    std::string PageName;
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // pixels of the page's client area
    std::string Text;
};
