// Libraries come from the system directory by full path, whatever lies in
// the current directory; the search restriction is found at run time.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

namespace {

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length);
}

TEST(SystemLibrary, LoadsFromSystemDirectoryAndFindsEntryPoints) {
    const SystemLibrary library("setupapi.dll");

    ASSERT_TRUE(library);
    EXPECT_EQ(lstrcmpiA(ModulePath(library.get()).c_str(), (SystemDirectory() + "\\setupapi.dll").c_str()), 0)
        << ModulePath(library.get());
    EXPECT_NE(library.Find<FARPROC>("SetupGetFileCompressionInfoA"), nullptr);
    EXPECT_EQ(library.Find<FARPROC>("NoSuchEntryPoint"), nullptr);
}

TEST(SystemLibrary, MissingLibraryIsNotLoadedAndHasNoEntryPoints) {
    const SystemLibrary library("no-such-library.dll");

    EXPECT_FALSE(library);
    EXPECT_EQ(library.Find<FARPROC>("DllMain"), nullptr);
    EXPECT_EQ((SystemFunction<FARPROC>("no-such-library.dll", "DllMain")), nullptr);
}

TEST(SystemLibrary, KeptLibrariesStayLoadedFromTheSystemDirectory) {
    KeepSystemLibraries({"msimg32.dll", "no-such-library.dll"});
    const HMODULE kept = GetModuleHandleA("msimg32.dll");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(lstrcmpiA(ModulePath(kept).c_str(), SystemLibraryPath("msimg32.dll").c_str()), 0);
    // A load by bare name gives the kept copy.
    const Library byName(LoadLibraryA("msimg32.dll"));
    EXPECT_EQ(byName.get(), kept);

    using VerFindFileCall = DWORD(WINAPI*)(DWORD, LPCSTR, LPCSTR, LPCSTR, LPSTR, PUINT, LPSTR, PUINT);
    const auto find = SystemFunction<VerFindFileCall>("version.dll", "VerFindFileA");

    ASSERT_NE(find, nullptr);
    HMODULE owner = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(find), &owner));
    EXPECT_EQ(lstrcmpiA(ModulePath(owner).c_str(), SystemLibraryPath("version.dll").c_str()), 0);
}

TEST(SystemLibrary, SearchIsRestrictedWhereWindowsOffersIt) {
    // Wine, like Windows 8 and later, has both calls.
    const LibrarySearchRestriction restriction = RestrictLibrarySearch();

    EXPECT_TRUE(restriction.SystemDirectoryOnly);
    EXPECT_TRUE(restriction.CurrentDirectoryRemoved);
}

}
