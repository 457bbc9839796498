#include "script/PageNames.h"

const char* PageNameOf(PageTemplate page) {
    switch (page) {
    case PageTemplate::Welcome: return PageNameWelcome;
    case PageTemplate::Sections: return PageNameSections;
    case PageTemplate::Dest: return PageNameDest;
    case PageTemplate::Copy: return PageNameCopy;
    case PageTemplate::ProgramGroup: return PageNameProgramGroup;
    }
    return "";
}
