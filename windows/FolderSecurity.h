// Whether a folder's owner and access list, in the system's text form
// (SDDL), are those of a folder only administrators and the system can
// change: what a folder of a run's own must show before anything in it is
// trusted.
#pragma once
#include <string>

// True when the owner is the Administrators group, the system or
// currentUser (the administrator running setup; Wine gives every file that
// owner), the access list is present, and each of its entries allows or
// denies only those. An empty access list, a missing one ("everyone may"),
// an entry for anyone else or of any other kind makes it false.
bool IsAdministratorsOnlySecurity(const std::string& sddl, const std::string& currentUser);
