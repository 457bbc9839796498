// Folders of one run's own. The name is new (CreateDirectoryA fails for a
// name that exists, and the name holds 64 random bits), so nothing that an
// earlier run left or another user planted is ever used; on NT the folder's
// access list lets only administrators and the system in, so no other user
// can put a file there or change one while the run uses it.
#pragma once
#include <cstdint>
#include <string>

#include "windows/Handles_win.h"

// 64 bits from the system's random generator, mixed with the clocks and the
// process id (the generator is found at run time: the first Windows 95 lacks
// it).
uint64_t RandomBits();

// Makes parent\<prefix><16 hex digits> and returns its path; empty when no
// folder could be made (or, on NT, none with the protecting access list).
std::string MakePrivateFolder(const std::string& parent, const std::string& prefix);

// What a name is, read without following it: a link (a junction, a
// symbolic link or any other reparse point) is a Link whatever it points to.
enum class NameKind { Missing, File, Folder, Link };
NameKind KindOfName(const std::string& path);

// The name itself opened, never what a link points to (NT only; Windows 95,
// 98 and ME open no folders). The handle keeps the name from being deleted
// or renamed, where the system enforces it, while the caller decides.
FileHandle OpenName(const std::string& path, DWORD access);
// What the name is, from the open handle (which may be invalid) and the
// name's own attributes: on NT both must show a plain folder, since Wine
// reports a Unix link through the name only.
NameKind KindOfOpen(const std::string& path, HANDLE opened);

// What RemoveFolderTree does with what it cannot delete (a file in use).
enum class Leftovers { Stay, RemoveAtRestart };

// Removes the folder with every file and folder in it; what cannot be
// deleted stays, or is scheduled for deletion at the next restart (contents
// before their folder). No link is ever followed, the folder itself
// included: a link is removed as a link, and each name is judged from an
// open handle when its turn comes, not from the listing.
void RemoveFolderTree(const std::string& folder, Leftovers leftovers = Leftovers::Stay);
