// The two dialogs of the versioned installation: the language and code-page
// conflict of a shared file (template 115) and the overwrite question for
// an existing non-shared file (template 116). Both show CurrentDestPath;
// the language dialog also CurrentSourcePath and both files' languages.
#pragma once
#include "install/InstallResult.h"

// Modal, owned by the background window. Install all sets InstallAll for
// the rest of the run. Escape and the close box do nothing, so that the
// user answers the question.
LanguageAnswer ShowLanguageConflict();

enum class OverwriteAnswer : int { No = 0, Yes = 1, OverwriteEveryFile = 2 };

// Modal, owned by the current page. Overwrite every file sets InstallAll,
// so later language conflicts are not asked either; the caller sets
// OverwriteAll. Escape does nothing. A dialog that cannot be shown counts
// as No: the existing file stays.
OverwriteAnswer AskOverwrite();
