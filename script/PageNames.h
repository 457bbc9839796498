// The five wizard pages: template id and the name that script-defined
// controls and Next rules use to attach to a page.
#pragma once

enum class PageTemplate : int {
    Welcome = 101,
    Sections = 105,
    Dest = 106,
    Copy = 111,
    ProgramGroup = 113,
};

constexpr const char* PageNameWelcome = "DIALOG_WELCOME";
constexpr const char* PageNameDest = "DIALOG_DEST";
constexpr const char* PageNameSections = "DIALOG_SECTIONS";
constexpr const char* PageNameProgramGroup = "DIALOG_PROGRAMGROUP";
constexpr const char* PageNameCopy = "DIALOG_COPY";

const char* PageNameOf(PageTemplate page);
