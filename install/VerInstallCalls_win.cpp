#include "install/VerInstallCalls_win.h"

#include <cstring>
#include <vector>

#include "install/Trace_win.h"
#include "windows/SystemLibrary_win.h"

namespace {

// Far more than any path the installer builds in its own 260-character
// buffers, so its answers never meet its length checks (one of which is off
// by one).
constexpr UINT kAnswerCapacity = 4 * MAX_PATH;

// The installer opens the source (LZOpenFileA) and creates its temporary copy
// in the destination directory (OpenFile) through an OFSTRUCT, whose path
// holds 128 characters with the terminator.
constexpr size_t kOpenFilePathLimit = OFS_MAXPATHNAME;
// The temporary copy's name as GetTempFileNameA makes it: "VERxxxx.tmp".
constexpr size_t kTemporaryNameLength = 11;

// Whether directory + "\" + name fits a 260-character buffer with its
// terminator: the form in which the installer joins its arguments.
bool FitsInstallerPath(const std::string& directory, const std::string& name) {
    return directory.size() + 1 + name.size() < MAX_PATH;
}

bool FitsOpenFile(const std::string& directory, size_t nameLength) {
    return directory.size() + 1 + nameLength < kOpenFilePathLimit;
}

// MinGW's winver.h declares the input strings of both calls without const;
// the functions only read them (the platform's own header has them const).
char* Input(const std::string& text) {
    return const_cast<char*>(text.c_str());
}

std::string TakeAnswer(const std::vector<char>& buffer) {
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

// An empty destination directory means the source directory to the installer.
const std::string& TargetDirectory(const InstallFileRequest& request) {
    return request.DestinationDirectory.empty() ? request.SourceDirectory : request.DestinationDirectory;
}

bool FitsInstaller(const InstallFileRequest& request) {
    const std::string& target = TargetDirectory(request);
    return FitsOpenFile(request.SourceDirectory, request.SourceName.size()) &&
           FitsOpenFile(target, kTemporaryNameLength) && FitsInstallerPath(target, request.DestinationName) &&
           (request.TemporaryName.empty() || FitsInstallerPath(target, request.TemporaryName)) &&
           (!request.CurrentDirectory || FitsInstallerPath(*request.CurrentDirectory, request.DestinationName));
}

void TraceFind(DWORD flags, const std::string& fileName, const std::string& windowsDirectory,
               const std::string& applicationDirectory, const FindFileAnswer& answer) {
    if (!TraceEnabled())
        return;
    TraceLine("VerFindFileA(flags=" + TraceHex(flags) + ", file=" + TraceText(fileName.c_str()) +
              ", windir=" + TraceText(windowsDirectory.c_str()) + ", appdir=" + TraceText(applicationDirectory.c_str()) +
              ") -> " + TraceHex(answer.Result) + ", curdir=" + TraceText(answer.CurrentDirectory.c_str()) +
              ", destdir=" + TraceText(answer.DestinationDirectory.c_str()));
}

void TraceInstall(const InstallFileRequest& request, const InstallFileAnswer& answer) {
    if (!TraceEnabled())
        return;
    TraceLine("VerInstallFileA(flags=" + TraceHex(request.Flags) + ", src=" + TraceText(request.SourceName.c_str()) +
              ", dest=" + TraceText(request.DestinationName.c_str()) +
              ", srcdir=" + TraceText(request.SourceDirectory.c_str()) +
              ", destdir=" + TraceText(request.DestinationDirectory.c_str()) +
              ", curdir=" + TraceText(request.CurrentDirectory ? request.CurrentDirectory->c_str() : nullptr) +
              ", tmp=" + TraceText(request.TemporaryName.c_str()) + ") -> " + TraceHex(answer.Result) +
              ", tmp=" + TraceText(answer.TemporaryName.c_str()));
}

}

FindFileAnswer VersionFindFile(DWORD flags, const std::string& fileName, const std::string& windowsDirectory,
                               const std::string& applicationDirectory) {
    FindFileAnswer answer;
    if (!FitsInstallerPath(windowsDirectory, fileName) || !FitsInstallerPath(applicationDirectory, fileName)) {
        answer.Result = VFF_BUFFTOOSMALL;
        TraceFind(flags, fileName, windowsDirectory, applicationDirectory, answer);
        return answer;
    }
    std::vector<char> current(kAnswerCapacity);
    std::vector<char> destination(kAnswerCapacity);
    UINT currentLength = kAnswerCapacity;
    UINT destinationLength = kAnswerCapacity;
    static const auto verFindFile = SystemFunction<decltype(&VerFindFileA)>("version.dll", "VerFindFileA");
    if (!verFindFile) {
        answer.Result = VFF_BUFFTOOSMALL; // no answer, as for a path the installer cannot take
        TraceFind(flags, fileName, windowsDirectory, applicationDirectory, answer);
        return answer;
    }
    answer.Result = verFindFile(flags, Input(fileName), Input(windowsDirectory), Input(applicationDirectory),
                                current.data(), &currentLength, destination.data(), &destinationLength);
    // The lengths come back as the sizes needed; a larger one means a cut answer.
    if (currentLength > kAnswerCapacity || destinationLength > kAnswerCapacity)
        answer.Result |= VFF_BUFFTOOSMALL;
    if (!(answer.Result & VFF_BUFFTOOSMALL)) {
        answer.CurrentDirectory = TakeAnswer(current);
        answer.DestinationDirectory = TakeAnswer(destination);
    }
    TraceFind(flags, fileName, windowsDirectory, applicationDirectory, answer);
    return answer;
}

InstallFileAnswer VersionInstallFile(const InstallFileRequest& request) {
    InstallFileAnswer answer;
    if (!FitsInstaller(request)) {
        answer.Result = VIF_CANNOTCREATE;
        TraceInstall(request, answer);
        return answer;
    }
    // The buffer is input as well: a forced call reuses the copy it names.
    std::vector<char> temporary(kAnswerCapacity);
    request.TemporaryName.copy(temporary.data(), request.TemporaryName.size());
    UINT temporaryLength = kAnswerCapacity;
    static const auto verInstallFile =
        SystemFunction<decltype(&VerInstallFileA)>("version.dll", "VerInstallFileA");
    if (!verInstallFile) {
        answer.Result = VIF_CANNOTCREATE;
        TraceInstall(request, answer);
        return answer;
    }
    answer.Result = verInstallFile(
        request.Flags, Input(request.SourceName), Input(request.DestinationName), Input(request.SourceDirectory),
        Input(request.DestinationDirectory), request.CurrentDirectory ? Input(*request.CurrentDirectory) : nullptr,
        temporary.data(), &temporaryLength);
    if (temporaryLength > kAnswerCapacity)
        answer.Result |= VIF_BUFFTOOSMALL;
    answer.TemporaryName = TakeAnswer(temporary);
    TraceInstall(request, answer);
    return answer;
}

void DiscardTemporaryCopy(const InstallFileRequest& request, const InstallFileAnswer& answer) {
    if (!(answer.Result & VIF_TEMPFILE) || answer.TemporaryName.empty())
        return;
    const std::string& name = answer.TemporaryName;
    const size_t start = name.front() == '\\' ? 1 : 0;
    DeleteFileA((TargetDirectory(request) + "\\" + name.substr(start)).c_str());
}
