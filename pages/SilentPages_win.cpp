#include "pages/SilentPages_win.h"

#include <windows.h>
#include <shlobj.h>

#include "pages/ChoiceRules.h"
#include "pages/PageProcs_win.h"
#include "script/Upgrade.h"
#include "wizard/ProcessState_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/Unattended_win.h"

namespace {

constexpr int kEndRun = -2;

// A section name that the script does not know ends the run before anything
// is installed: the administrator asked for something this setup cannot give.
bool ChooseSections(SetupState& state, const RunSwitches& switches) {
    if (switches.Sections) {
        if (const auto unknown = SelectSectionsByName(state.Sections, *switches.Sections)) {
            LogEvent("/SECTIONS names \"" + *unknown + "\", which is no section of this setup");
            TheRun().End.BadCommandLine = true;
            return false;
        }
    }
    LogPageChoice(PageTemplate::Sections, switches.Sections ? " (/SECTIONS)" : " (the page's default)");
    return true;
}

// As the page's "Create new group" with the name it shows, or "Create no
// group/icons" for /NOICONS.
void ChooseProgramGroup(SetupState& state, const RunSwitches& switches) {
    if (switches.NoIcons) {
        state.CreateProgramGroup = 0;
        LogPageChoice(PageTemplate::ProgramGroup, " (/NOICONS)");
        return;
    }
    const std::string name = switches.Group ? *switches.Group : state.Variables.Get("PROGRAMGROUP");
    const std::string programs = SpecialFolderPath(AsHwnd(state.MainWindow), CSIDL_PROGRAMS);
    state.CreateProgramGroup = 1;
    state.Variables.SetLiteral("PROGRAMGROUP", NewProgramGroup(programs, name));
    LogPageChoice(PageTemplate::ProgramGroup, switches.Group ? " (/GROUP)" : "");
}

} // namespace

void LogPageChoice(PageTemplate page, const char* source) {
    SetupState& state = TheState();
    switch (page) {
    case PageTemplate::Dest:
        LogEvent("Destination: " + state.Variables.Get("DP") + source + DestinationSourceText(state.DestinationFrom));
        break;
    case PageTemplate::Sections: {
        std::string chosen;
        for (const SectionEntry& section : state.Sections)
            if (section.Selected || section.MustInstall)
                chosen += (chosen.empty() ? "" : ", ") + section.Name + (section.MustInstall ? " (must install)" : "");
        LogEvent("Sections: " + (chosen.empty() ? std::string("none") : chosen) + source);
        break;
    }
    case PageTemplate::ProgramGroup:
        LogEvent("Program group: " +
                 (state.CreateProgramGroup ? state.Variables.Get("PROGRAMGROUP") : std::string("none, no shortcuts")) +
                 source);
        break;
    default:
        break;
    }
}

std::optional<int> PassPageSilently(PageTemplate page) {
    SetupState& state = TheState();
    const RunSwitches& switches = TheRun().Switches;
    const char* name = PageNameOf(page);
    if (page == PageTemplate::Copy && state.CopyStarted) {
        // Interactively it would wait for a Cancel: a silent run cannot wait.
        LogEvent(std::string("Page ") + name + ": the copy has run already, nothing to do");
        return 0;
    }
    if (page == PageTemplate::Copy) {
        LogEvent(std::string("Page ") + name + (IsVerySilentRun() ? ": copying, not shown" : ": copying, shown"));
        if (IsVerySilentRun())
            return RunHiddenCopyPage();
        return std::nullopt;
    }
    LogEvent(std::string("Page ") + name + " passed silently; its Next rules count as accepted by the command line");
    switch (page) {
    case PageTemplate::Dest:
        // DP is already what /DIR or an earlier installation gave.
        LogPageChoice(PageTemplate::Dest, "");
        break;
    case PageTemplate::Sections:
        if (!ChooseSections(state, switches))
            return kPageEndsRun;
        break;
    case PageTemplate::ProgramGroup:
        ChooseProgramGroup(state, switches);
        break;
    default:
        break;
    }
    return 0;
}
