#include "install/SourcePieces_win.h"

#include <windows.h>
#include <setupapi.h>

#include <vector>

#include "install/AssemblyFolder_win.h"
#include "install/DiskPromptBoxes_win.h"
#include "windows/CodePages_win.h"
#include "windows/Handles_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/QuitSetup_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

namespace {

// Pieces are copied through a bounded buffer, whatever their size.
constexpr DWORD kChunkSize = 64 * 1024;

bool WriteAll(HANDLE file, const char* bytes, DWORD count) {
    while (count > 0) {
        DWORD written = 0;
        if (!WriteFile(file, bytes, count, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        count -= written;
    }
    return true;
}

// Appends the whole source behind the assembly file's end. On a failed read
// or write the assembly file is cut back to its old end, so a piece is either
// appended whole or not at all.
bool AppendWhole(HANDLE source, HANDLE assembly) {
    LONG endHigh = 0;
    const DWORD endLow = SetFilePointer(assembly, 0, &endHigh, FILE_END);
    if (endLow == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        return false;
    std::vector<char> buffer(kChunkSize);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source, buffer.data(), kChunkSize, &read, nullptr))
            break;
        if (read == 0)
            return true;
        if (!WriteAll(assembly, buffer.data(), read))
            break;
    }
    LONG high = endHigh;
    SetFilePointer(assembly, static_cast<LONG>(endLow), &high, FILE_BEGIN);
    SetEndOfFile(assembly);
    return false;
}

bool TryAppendSource(const std::string& sourcePath, HANDLE assembly) {
    FileHandle source(CreateFileA(sourcePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return source && assembly != INVALID_HANDLE_VALUE && AppendWhole(source.get(), assembly);
}

// The wide form of the query, for UTF-8 names: the 8-bit one sizes the name
// it returns in characters of the wide name and overruns its buffer with the
// longer UTF-8 form. Only the sizes are asked for here.
uint32_t WideCompressedFileTargetSize(const std::string& path) {
    static const auto compressionInfo =
        SystemFunction<decltype(&SetupGetFileCompressionInfoExW)>("setupapi.dll", "SetupGetFileCompressionInfoExW");
    const std::wstring wide = WideOf(path);
    DWORD required = 0;
    DWORD sourceSize = 0;
    DWORD targetSize = 0;
    UINT compression = 0;
    if (!compressionInfo || wide.empty() ||
        !compressionInfo(wide.c_str(), nullptr, 0, &required, &sourceSize, &targetSize, &compression))
        return 0;
    return targetSize;
}

// The expanded size of a possibly compressed file; 0 when it cannot be told.
uint32_t CompressedFileTargetSize(const std::string& path) {
    if (ProcessIsUtf8() && !IsPlainAscii(path))
        return WideCompressedFileTargetSize(path);
    PSTR actualName = nullptr;
    DWORD sourceSize = 0;
    DWORD targetSize = 0;
    UINT compression = 0;
    static const auto compressionInfo =
        SystemFunction<decltype(&SetupGetFileCompressionInfoA)>("setupapi.dll", "SetupGetFileCompressionInfoA");
    if (!compressionInfo ||
        compressionInfo(path.c_str(), &actualName, &sourceSize, &targetSize, &compression) != NO_ERROR)
        return 0;
    LocalFree(actualName);
    return targetSize;
}

} // namespace

FetchResult FetchSourcePiece(const FileEntry& entry, AssemblyStart start, std::string& assemblyPath) {
    const std::string folder = RunAssemblyFolder();
    assemblyPath = AssemblyFilePath(folder, entry.Destination);
    // Without the run's folder there is nowhere safe to assemble: the piece
    // counts as one that cannot be appended.
    FileHandle assembly;
    if (!folder.empty())
        assembly.reset(CreateFileA(assemblyPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                   start == AssemblyStart::Empty ? CREATE_ALWAYS : OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    DiskPromptBoxes prompts;
    // A piece that cannot be appended whole, whether its source is missing or
    // the assembly file cannot take it, is treated as a missing disk.
    while (!TryAppendSource(entry.Source, assembly.get())) {
        switch (PromptForDisk(entry.Disk, entry.Source, prompts)) {
        case DiskPromptOutcome::Retry:
            continue;
        case DiskPromptOutcome::Ignore:
            return FetchResult::Ignored;
        case DiskPromptOutcome::Quit:
            QuitSetup(QuitMode::AtOnce);
            return FetchResult::Quit;
        }
    }
    return FetchResult::Fetched;
}

uint32_t GetExpandedFileSize(size_t position) {
    const FileEntry entry = TheState().Files.at(position);
    if (!entry.IsPiece)
        return CompressedFileTargetSize(entry.Source);
    std::string assemblyPath;
    const FetchResult fetched =
        FetchSourcePiece(entry, AssemblyStartOf(TheState().Files, position), assemblyPath);
    if (fetched == FetchResult::Quit || !entry.LastPiece)
        return 0;
    const uint32_t size = CompressedFileTargetSize(assemblyPath);
    DeleteFileA(assemblyPath.c_str());
    return size;
}
