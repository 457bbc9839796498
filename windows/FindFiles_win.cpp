#include "windows/FindFiles_win.h"

#include <windows.h>

#include "windows/Handles_win.h"

void ForEachMatchingFile(const std::string& pattern,
                         const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find)
        return;
    do {
        visit(data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(find.get(), &data));
}
