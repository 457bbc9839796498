// The bounded wrappers of VerFindFileA and VerInstallFileA, with fixture
// libraries installed into scratch directories.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "install/VerInstallCalls_win.h"
#include "install/VersionInfo_win.h"
#include "tests/wine/InstallTestSupport.h"
#include "windows/FindFiles_win.h"
#include "windows/SystemPaths_win.h"

using install_test::FileExists;
using install_test::FixtureDirectory;
using install_test::ScratchDirectory;

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::uint32_t InstalledVersionLS(const std::string& path) {
    const auto info = ReadVersionInfo(path);
    return info ? info->FileVersionLS : 0xFFFFFFFFu;
}

std::uint32_t InstalledVersionMS(const std::string& path) {
    const auto info = ReadVersionInfo(path);
    return info ? info->FileVersionMS : 0xFFFFFFFFu;
}

int CountFiles(const std::string& directory) {
    int count = 0;
    ForEachMatchingFile(directory + "\\*", [&](const std::string&, bool isDirectory) { count += isDirectory ? 0 : 1; });
    return count;
}

InstallFileRequest FixtureInto(const std::string& fixture, const std::string& directory, const std::string& name) {
    InstallFileRequest request;
    request.SourceName = fixture;
    request.DestinationName = name;
    request.SourceDirectory = FixtureDirectory();
    request.DestinationDirectory = directory;
    return request;
}

TEST(VersionFindFile, SharedFileIsSentToSystemDirectory) {
    ScratchDirectory application;

    const FindFileAnswer answer =
        VersionFindFile(VFFF_ISSHAREDFILE, "ver2005.dll", WindowsDirectory(), application.Path());

    EXPECT_EQ(answer.Result & VFF_BUFFTOOSMALL, 0u);
    EXPECT_TRUE(SamePath(answer.DestinationDirectory, SystemDirectory())) << answer.DestinationDirectory;
}

TEST(VersionFindFile, ReportsCopyFoundInApplicationDirectory) {
    ScratchDirectory application;
    ASSERT_TRUE(install_test::WriteTextFile(application.PathOf("private.dll"), "old"));

    const FindFileAnswer shared =
        VersionFindFile(VFFF_ISSHAREDFILE, "private.dll", WindowsDirectory(), application.Path());
    EXPECT_TRUE(SamePath(shared.CurrentDirectory, application.Path())) << shared.CurrentDirectory;
    EXPECT_NE(shared.Result & VFF_CURNEDEST, 0u);

    const FindFileAnswer own = VersionFindFile(0, "private.dll", WindowsDirectory(), application.Path());
    EXPECT_TRUE(SamePath(own.DestinationDirectory, application.Path())) << own.DestinationDirectory;
    EXPECT_TRUE(SamePath(own.CurrentDirectory, application.Path())) << own.CurrentDirectory;
}

TEST(VersionFindFile, OverlongArgumentsGiveUnusableAnswer) {
    const std::string longDirectory = "C:\\" + std::string(300, 'd');

    const FindFileAnswer answer = VersionFindFile(VFFF_ISSHAREDFILE, "ver2005.dll", WindowsDirectory(), longDirectory);

    EXPECT_EQ(answer.Result, static_cast<DWORD>(VFF_BUFFTOOSMALL));
    EXPECT_EQ(answer.DestinationDirectory, "");
    EXPECT_EQ(answer.CurrentDirectory, "");
}

TEST(VersionInstallFile, RecommendedSharedFileInstallsIntoDirectory) {
    ScratchDirectory destination;
    const FindFileAnswer found =
        VersionFindFile(VFFF_ISSHAREDFILE, "ver2005.dll", WindowsDirectory(), destination.Path());
    ASSERT_TRUE(SamePath(found.DestinationDirectory, SystemDirectory()));

    // The recommendation is honoured by the engine; the test installs into
    // its own directory to leave the prefix's system directory alone.
    InstallFileRequest request = FixtureInto("ver2005.dll", destination.Path(), "shared.dll");
    request.CurrentDirectory = found.CurrentDirectory;
    const InstallFileAnswer answer = VersionInstallFile(request);

    EXPECT_EQ(answer.Result, 0u);
    EXPECT_EQ(InstalledVersionLS(destination.PathOf("shared.dll")), 5u);
    EXPECT_EQ(CountFiles(destination.Path()), 1);
}

TEST(VersionInstallFile, OlderOverNewerIsRefusedUntilForced) {
    ScratchDirectory destination;
    ASSERT_EQ(VersionInstallFile(FixtureInto("ver2005.dll", destination.Path(), "lib.dll")).Result, 0u);

    InstallFileRequest older = FixtureInto("ver19.dll", destination.Path(), "lib.dll");
    const InstallFileAnswer refused = VersionInstallFile(older);

    EXPECT_EQ(refused.Result & (VIF_MISMATCH | VIF_SRCOLD), static_cast<DWORD>(VIF_MISMATCH | VIF_SRCOLD));
    EXPECT_EQ(InstalledVersionMS(destination.PathOf("lib.dll")), 0x00020000u);
    ASSERT_NE(refused.Result & VIF_TEMPFILE, 0u);
    ASSERT_FALSE(refused.TemporaryName.empty());
    EXPECT_EQ(CountFiles(destination.Path()), 2); // the installed file and the waiting copy

    // The forced retry hands back the temporary name and installs that copy.
    older.Flags = VIFF_FORCEINSTALL;
    older.TemporaryName = refused.TemporaryName;
    const InstallFileAnswer forced = VersionInstallFile(older);

    EXPECT_EQ(forced.Result, 0u);
    EXPECT_EQ(InstalledVersionMS(destination.PathOf("lib.dll")), 0x00010009u);
    EXPECT_EQ(CountFiles(destination.Path()), 1);
}

TEST(VersionInstallFile, SkippedFileLeavesNoTemporaryCopyBehind) {
    ScratchDirectory destination;
    ASSERT_EQ(VersionInstallFile(FixtureInto("ver2005.dll", destination.Path(), "lib.dll")).Result, 0u);
    const InstallFileRequest older = FixtureInto("ver19.dll", destination.Path(), "lib.dll");
    const InstallFileAnswer refused = VersionInstallFile(older);
    ASSERT_NE(refused.Result & VIF_TEMPFILE, 0u);

    DiscardTemporaryCopy(older, refused);

    EXPECT_EQ(CountFiles(destination.Path()), 1);
    EXPECT_EQ(InstalledVersionMS(destination.PathOf("lib.dll")), 0x00020000u);
}

TEST(VersionInstallFile, OldCopyInCurrentDirectoryIsRemoved) {
    ScratchDirectory destination;
    ScratchDirectory current;
    ASSERT_TRUE(install_test::WriteTextFile(current.PathOf("moved.dll"), "old copy"));

    InstallFileRequest request = FixtureInto("ver20.dll", destination.Path(), "moved.dll");
    request.CurrentDirectory = current.Path();
    ASSERT_EQ(VersionInstallFile(request).Result, 0u);

    EXPECT_TRUE(FileExists(destination.PathOf("moved.dll")));
    EXPECT_FALSE(FileExists(current.PathOf("moved.dll")));
}

// A directory whose path is exactly `length` characters long, made of
// nested components (no single component may exceed 255).
std::string MakeDirectoryOfLength(const ScratchDirectory& base, size_t length) {
    std::string path = base.Path();
    while (path.size() < length) {
        const size_t component = std::min<size_t>(length - path.size() - 1, 200);
        path += "\\" + std::string(component, 'd');
        if (component == 0 || !CreateDirectoryA(path.c_str(), nullptr))
            return std::string();
    }
    return path;
}

// The installer creates its temporary copy "<directory>\VERxxxx.tmp" through
// OpenFile, whose path must stay under 128 characters; the destination
// itself may be up to 259 characters long.
TEST(VersionInstallFile, DestinationLimitsAreEnforcedBeforeTheCall) {
    ScratchDirectory base;
    const std::string directory = MakeDirectoryOfLength(base, 127 - 12);
    ASSERT_EQ(directory.size(), 115u);
    const std::string fitting(259 - directory.size() - 1, 'f');

    EXPECT_EQ(VersionInstallFile(FixtureInto("ver19.dll", directory, fitting)).Result, 0u);
    EXPECT_EQ(InstalledVersionMS(directory + "\\" + fitting), 0x00010009u);

    EXPECT_EQ(VersionInstallFile(FixtureInto("ver19.dll", directory, fitting + "g")).Result,
              static_cast<DWORD>(VIF_CANNOTCREATE));
    const std::string deeper = MakeDirectoryOfLength(base, 116);
    ASSERT_EQ(deeper.size(), 116u);
    EXPECT_EQ(VersionInstallFile(FixtureInto("ver19.dll", deeper, "a.dll")).Result,
              static_cast<DWORD>(VIF_CANNOTCREATE));
    EXPECT_EQ(CountFiles(directory), 1);
    EXPECT_EQ(CountFiles(deeper), 0);
}

// A source path the installer cannot open would come back as "cannot read
// source", which asks for a disk that cannot help; it is refused instead.
TEST(VersionInstallFile, SourcePathMustStayUnder128Characters) {
    ScratchDirectory source;
    ScratchDirectory destination;
    const std::string directory = MakeDirectoryOfLength(source, 100);
    ASSERT_EQ(directory.size(), 100u);
    const std::string fitting(127 - directory.size() - 1, 's');
    const std::string overlong = fitting + "t";
    for (const std::string& name : {fitting, overlong})
        ASSERT_TRUE(CopyFileA(install_test::FixturePath("ver19.dll").c_str(), (directory + "\\" + name).c_str(), FALSE));

    InstallFileRequest request = FixtureInto(fitting, destination.Path(), "a.dll");
    request.SourceDirectory = directory;
    EXPECT_EQ(VersionInstallFile(request).Result, 0u);

    request.SourceName = overlong;
    request.DestinationName = "b.dll";
    EXPECT_EQ(VersionInstallFile(request).Result, static_cast<DWORD>(VIF_CANNOTCREATE));
    EXPECT_EQ(CountFiles(destination.Path()), 1);
}

TEST(VersionInstallFile, OverlongArgumentsAreRefusedWithoutWriting) {
    ScratchDirectory destination;
    const std::string longDirectory = "C:\\" + std::string(400, 's');

    InstallFileRequest longSource = FixtureInto("ver19.dll", destination.Path(), "a.dll");
    longSource.SourceDirectory = longDirectory;
    InstallFileRequest longDestination = FixtureInto("ver19.dll", longDirectory, "a.dll");
    InstallFileRequest longCurrent = FixtureInto("ver19.dll", destination.Path(), "a.dll");
    longCurrent.CurrentDirectory = longDirectory;
    InstallFileRequest longTemporary = FixtureInto("ver19.dll", destination.Path(), "a.dll");
    longTemporary.Flags = VIFF_FORCEINSTALL;
    longTemporary.TemporaryName = "\\" + std::string(300, 't');

    for (const InstallFileRequest* request : {&longSource, &longDestination, &longCurrent, &longTemporary}) {
        const InstallFileAnswer answer = VersionInstallFile(*request);
        EXPECT_EQ(answer.Result, static_cast<DWORD>(VIF_CANNOTCREATE));
        EXPECT_EQ(answer.TemporaryName, "");
    }
    EXPECT_EQ(CountFiles(destination.Path()), 0);
}

}
