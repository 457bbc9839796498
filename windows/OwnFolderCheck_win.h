// Whether a folder named from outside (the list of open runs) is one of
// our own making that may be trusted.
#pragma once
#include <string>

// A real folder (no link), and on NT owned by the Administrators group, the
// system or the administrator running setup, with an access list that lets
// only them in.
bool IsOwnPrivateFolder(const std::string& folder);
