// Bounded calls of the platform's version-aware installer (VerFindFileA and
// VerInstallFileA). Both build paths in fixed buffers of their own, so every
// argument combination is measured before the call; results come back raw,
// for the installation decisions to interpret. Short (8.3) paths keep well
// inside every limit.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

struct FindFileAnswer {
    DWORD Result = 0;                 // VFF_* bits as returned
    std::string CurrentDirectory;     // where the file is now; empty when nowhere
    std::string DestinationDirectory; // where it should be installed
};

// VerFindFileA. When an argument is too long for the installer's buffers, or
// an answer does not fit ours, Result holds VFF_BUFFTOOSMALL and both
// directories are empty: such an answer must not be used, since an empty
// destination directory makes VerInstallFileA install into the source
// directory.
FindFileAnswer VersionFindFile(DWORD flags, const std::string& fileName, const std::string& windowsDirectory,
                               const std::string& applicationDirectory);

struct InstallFileRequest {
    DWORD Flags = 0; // VIFF_*
    std::string SourceName;
    std::string DestinationName;
    std::string SourceDirectory;
    std::string DestinationDirectory;
    std::optional<std::string> CurrentDirectory; // nothing is passed as a null pointer
    // The temporary name of an earlier answer for the same file: a forced
    // retry then installs the copy already made instead of copying again.
    std::string TemporaryName;
};

struct InstallFileAnswer {
    DWORD Result = 0;          // VIF_* bits as returned
    std::string TemporaryName; // the buffer as the installer left it (under Wine it starts with "\")
};

// VerInstallFileA. Arguments the installer cannot handle are refused without
// calling it, with Result VIF_CANNOTCREATE (a failure that is reported and
// stops, not a disk prompt that no disk can answer), and nothing is written:
// a source path or temporary copy path of 128 characters or more (it opens
// them through OFSTRUCT, which would report the source unreadable), and any
// path it would join beyond its 260-character buffers.
InstallFileAnswer VersionInstallFile(const InstallFileRequest& request);

// Deletes the temporary copy that a refused installation (VIF_TEMPFILE) left
// in the destination directory, for when the file is skipped rather than
// forced; otherwise the copy would stay there for good.
void DiscardTemporaryCopy(const InstallFileRequest& request, const InstallFileAnswer& answer);
