// The path of a special folder (CSIDL_...), with shell32 loaded from the
// system directory only while it is asked; empty when there is none.
#pragma once
#include <string>

std::string ShellFolderPath(int folder);
