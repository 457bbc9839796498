// The folders that an uninstallation never removes, nor anything above them:
// the Windows and system directories, Program Files, the Programs and Start
// Menu folders and the Desktop (the user's and everyone's), and the
// temporary directory, which others use too; each in its long and short
// form, so that the short paths of the log meet them too.
#pragma once
#include <string>
#include <vector>

std::vector<std::string> ProtectedFolders();
