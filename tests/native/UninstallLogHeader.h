// The fixed first nine lines of every Uninstall.log, as bytes on disk, for
// the tests of its writer and readers.
#pragma once
#include <string>

inline const std::string kUninstallLogHeader =
    "ORUNLOG V1\r\n\r\nORLISK UNINSTALLATION LOG FILE\r\n\r\n"
    "MAKE NO CHANGES TO THIS FILE, ITS FORMAT IS EXACTLY DEFINED!\r\n"
    "NO REAL PARSER DOES EXIST, SO DON\xB4T MODIFY ANYTHING!\r\n"
    "ANY ERRORS COULD CAUSE CATASTROPHAL (!) DAMAGE TO YOUR SYSTEM, YOU\r\n"
    "COULD BE UNABLE TO RESTART WINDOWS\r\n\r\n";
