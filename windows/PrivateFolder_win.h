// Folders of one run's own. The name is new (CreateDirectoryA fails for a
// name that exists, and the name holds 64 random bits), so nothing that an
// earlier run left or another user planted is ever used; on NT the folder's
// access list lets only administrators and the system in, so no other user
// can put a file there or change one while the run uses it.
#pragma once
#include <cstdint>
#include <string>

// 64 bits from the system's random generator, mixed with the clocks and the
// process id (the generator is found at run time: the first Windows 95 lacks
// it).
uint64_t RandomBits();

// Makes parent\<prefix><16 hex digits> and returns its path; empty when no
// folder could be made (or, on NT, none with the protecting access list).
std::string MakePrivateFolder(const std::string& parent, const std::string& prefix);

// What RemoveFolderTree does with what it cannot delete (a file in use).
enum class Leftovers { Stay, RemoveAtRestart };

// Removes the folder with every file and folder in it; what cannot be
// deleted stays, or is scheduled for deletion at the next restart (contents
// before their folder). A junction or other reparse point inside is removed
// as a link and never followed.
void RemoveFolderTree(const std::string& folder, Leftovers leftovers = Leftovers::Stay);
