#include "script/Commands.h"

#include "script/Numbers.h"
#include "script/Upgrade.h"
#include "text/VersionText.h"

namespace {

using Arguments = std::vector<std::string>;

struct CommandContext {
    SetupState& state;
    ScriptStatement& statement;
    CommandPlatform& platform;
    const Arguments& args() const { return statement.Arguments; }
};

using Effect = StatementResult (*)(CommandContext&);

struct Command {
    CommandInfo info;
    Effect effect;
};

StatementResult Done() { return StatementResult::Continue; }

StatementResult PageResult(int dialogResult) {
    return dialogResult == 0 ? StatementResult::Continue : StatementResult::EndRun;
}

// Once both the installed and the script's version are known: an older
// version over a newer one is asked; No ends the run before anything changed.
StatementResult CompareVersionsOnce(CommandContext& c) {
    SetupState& state = c.state;
    if (state.VersionsCompared || !state.Earlier || state.Earlier->Version.empty() || state.AppVersion.empty())
        return Done();
    state.VersionsCompared = true;
    const std::string& installed = state.Earlier->Version;
    const int order = CompareVersions(installed, state.AppVersion);
    if (order < 0) {
        c.platform.Note("Upgrade from version " + installed + " to " + state.AppVersion);
    } else if (order == 0) {
        c.platform.Note("Version " + installed + " is installed already: a repair");
    } else if (!c.platform.AcceptDowngrade(
                   DowngradeQuestion(state.Variables.Get("APPNAME"), installed, state.AppVersion))) {
        c.platform.Note("Version " + installed + " is newer than " + state.AppVersion + ": nothing is installed");
        return StatementResult::EndRun;
    } else {
        c.platform.Note("Version " + state.AppVersion + " replaces the newer " + installed);
    }
    return Done();
}

bool ScriptSetsDestination(const SetupState& state) {
    return state.DestinationFrom == DestinationSource::Script ||
           state.DestinationFrom == DestinationSource::EarlierInstallation;
}

StatementResult SetAppName(CommandContext& c) {
    const std::string& name = c.args()[0];
    SetupState& state = c.state;
    state.Variables.Set("APPNAME", name);
    state.Variables.Set("PROGRAMGROUP", name);
    EarlierLookup lookup = c.platform.FindEarlierInstallation(name);
    c.platform.Note(lookup.Note);
    state.Earlier = std::move(lookup.Found);
    state.VersionsCompared = false;
    if (ScriptSetsDestination(state)) {
        // The earlier installation's folder, as /DIR would: every [DP] follows it.
        if (state.Earlier) {
            state.Variables.SetLiteral("DP", state.Earlier->Folder);
            state.DestinationFrom = DestinationSource::EarlierInstallation;
        } else {
            state.Variables.Set("DP", state.ProgramFilesPath + name + "\\");
            state.DestinationFrom = DestinationSource::Script;
        }
    }
    c.platform.Note("Destination: " + state.Variables.Get("DP") + DestinationSourceText(state.DestinationFrom));
    return CompareVersionsOnce(c);
}

StatementResult SetAppVersion(CommandContext& c) {
    const std::string& version = c.args()[0];
    c.state.Variables.Set("APPVERSION", version);
    if (!IsVersionText(version)) {
        c.platform.Note("SetAppVersion: \"" + version + "\" is no version of digits and dots; the entry gets none");
        c.state.AppVersion.clear();
        return Done();
    }
    c.state.AppVersion = version;
    return CompareVersionsOnce(c);
}

StatementResult SetBackground(CommandContext& c) {
    const Arguments& a = c.args();
    c.state.BackgroundFrom = {ReadNumber(a[0]), ReadNumber(a[1]), ReadNumber(a[2])};
    c.state.BackgroundTo = {ReadNumber(a[3]), ReadNumber(a[4]), ReadNumber(a[5])};
    c.platform.RepaintBackground();
    return Done();
}

StatementResult SetRedrawWait(CommandContext& c) {
    c.state.RedrawWait = ReadNumber(c.args()[0]);
    return Done();
}

StatementResult SetVariableTo(CommandContext& c, const char* name, size_t argument) {
    c.state.Variables.Set(name, c.args()[argument]);
    return Done();
}

StatementResult SetDeveloperName(CommandContext& c) { return SetVariableTo(c, "DEVELOPERNAME", 0); }
StatementResult SetWelcomeString2(CommandContext& c) { return SetVariableTo(c, "WELCOMESTRING2", 0); }
StatementResult SetCaption(CommandContext& c) { return SetVariableTo(c, "CAPTION", 0); }

StatementResult SetVariable(CommandContext& c) {
    const std::string& name = c.args()[0];
    if (name == "DP" && c.state.DestinationFrom != DestinationSource::Script) {
        c.platform.Note("SetVariable leaves DP at " + c.state.Variables.Get("DP") +
                        DestinationSourceText(c.state.DestinationFrom));
        return Done();
    }
    c.state.Variables.Set(name, c.args()[1]);
    return Done();
}

StatementResult SetWelcomeString(CommandContext& c) {
    SetVariableTo(c, "WELCOMESTRING", 0);
    return SetVariableTo(c, "WELCOMESTRING_CAP", 1);
}

StatementResult SetCaptionColor(CommandContext& c) {
    const Arguments& a = c.args();
    c.state.CaptionColor1 = MakeColour(ReadColourComponent(a[0]), ReadColourComponent(a[1]), ReadColourComponent(a[2]));
    c.state.CaptionColor2 = MakeColour(ReadColourComponent(a[3]), ReadColourComponent(a[4]), ReadColourComponent(a[5]));
    return Done();
}

StatementResult SetCaptionSize(CommandContext& c) {
    c.state.CaptionSize = ReadNumber(c.args()[0]);
    return Done();
}

StatementResult SetCaptionPos(CommandContext& c) {
    const Arguments& a = c.args();
    c.state.CaptionPos1 = {ReadNumber(a[0]), ReadNumber(a[1])};
    c.state.CaptionPos2 = {ReadNumber(a[2]), ReadNumber(a[3])};
    return Done();
}

StatementResult CreateSection(CommandContext& c) {
    const Arguments& a = c.args();
    SectionEntry section;
    section.Name = a[0];
    section.MustInstall = ReadNumber(a[1]);
    ReadNumber(a[2]); // read and without effect
    section.Comment = a[3];
    c.state.Sections.push_back(section);
    return Done();
}

StatementResult AddFile(CommandContext& c) {
    const Arguments& a = c.args();
    const std::string& pattern = a[0];
    FileEntry common;
    common.Destination = a[1];
    common.Section = a[2];
    common.Shared = ReadFlag(a[3]);
    common.Disk = static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned>(ReadNumber(a[4])) & 0xFFFFu));
    common.IsPiece = ReadFlag(a[5]);
    common.LastPiece = ReadFlag(a[6]);
    ReadNumber(a[7]); // read and without effect
    common.Shortcut = ReadFlag(a[8]);
    common.ShortcutName = a[9];

    const size_t lastSlash = pattern.rfind('\\');
    const std::string directory = lastSlash == std::string::npos ? std::string() : pattern.substr(0, lastSlash + 1);
    const bool destinationIsDirectory = !a[1].empty() && a[1].back() == '\\';

    c.platform.EnumerateFiles(pattern, [&](const std::string& name, bool isDirectory) {
        if (isDirectory || name.empty() || name[0] == '.')
            return;
        FileEntry entry = common;
        entry.Source = directory + name;
        if (destinationIsDirectory)
            entry.Destination = a[1] + name;
        c.state.Files.push_back(entry);
    });
    return Done();
}

StatementResult KeepForPages(CommandContext& c) {
    c.state.PageCommands.push_back(c.statement);
    return Done();
}

StatementResult ShowMessage(CommandContext& c) {
    if (c.args()[3] == "NOW") {
        c.platform.ShowMessageNow(c.args()[0], c.args()[1]);
        return Done();
    }
    return KeepForPages(c);
}

StatementResult AddWindow(CommandContext& c) {
    const Arguments& a = c.args();
    DynamicControl control;
    control.PageName = a[0];
    control.Name = a[1];
    control.Type = a[2];
    control.Text = a[3];
    ReadNumber(a[4]); // read and without effect
    control.Left = ReadNumber(a[5]);
    control.Top = ReadNumber(a[6]);
    control.Right = ReadNumber(a[7]);
    control.Bottom = ReadNumber(a[8]);
    c.state.Controls.push_back(control);
    return Done();
}

StatementResult ShowWelcome(CommandContext& c) { return PageResult(c.platform.RunPage(PageTemplate::Welcome)); }
StatementResult ShowDest(CommandContext& c) { return PageResult(c.platform.RunPage(PageTemplate::Dest)); }
StatementResult ShowSections(CommandContext& c) { return PageResult(c.platform.RunPage(PageTemplate::Sections)); }
StatementResult ShowCopy(CommandContext& c) { return PageResult(c.platform.RunPage(PageTemplate::Copy)); }
StatementResult ShowProgramGroup(CommandContext& c) { return PageResult(c.platform.RunPage(PageTemplate::ProgramGroup)); }

// Argument kinds, one letter per argument: t text, n number, f flag,
// c colour component, d disk number, u a number read without effect.
const Command kCommands[] = {
    {{"SetAppName", 1, Arg(1), "t"}, SetAppName},
    {{"SetAppVersion", 1, Arg(1), "t"}, SetAppVersion},
    {{"SetBackground", 6, 0, "nnnnnn"}, SetBackground},
    {{"SetRedrawWait", 1, 0, "n"}, SetRedrawWait},
    {{"SetDeveloperName", 1, Arg(1), "t"}, SetDeveloperName},
    {{"SetVariable", 2, Arg(1) | Arg(2), "tt"}, SetVariable},
    {{"SetWelcomeString", 2, Arg(1) | Arg(2), "tt"}, SetWelcomeString},
    {{"SetWelcomeString2", 1, Arg(1), "t"}, SetWelcomeString2},
    {{"SetCaption", 1, Arg(1), "t"}, SetCaption},
    {{"SetCaptionColor", 6, 0, "cccccc"}, SetCaptionColor},
    {{"SetCaptionSize", 1, 0, "n"}, SetCaptionSize},
    {{"SetCaptionPos", 4, 0, "nnnn"}, SetCaptionPos},
    {{"CreateSection", 4, 0, "tnut"}, CreateSection},
    {{"AddFile", 10, Arg(1), "tttfdffuft"}, AddFile},
    {{"ShowMessage", 4, Arg(1) | Arg(2), "tttt"}, ShowMessage},
    {{"AddWindow", 9, Arg(4), "ttttunnnn"}, AddWindow},
    {{"ShowWelcome", 0, 0, ""}, ShowWelcome},
    {{"ShowDest", 0, 0, ""}, ShowDest},
    {{"ShowSections", 0, 0, ""}, ShowSections},
    {{"ShowCopy", 0, 0, ""}, ShowCopy},
    {{"ShowProgramGroup", 0, 0, ""}, ShowProgramGroup},
    {{"SetNextDynamicState", 5, 0, "ttttt"}, KeepForPages},
    {{"CheckButton", 1, 0, "t"}, KeepForPages},
};

const Command* FindCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (name == command.info.name)
            return &command;
    }
    return nullptr;
}

} // namespace

int CommandArgumentCount(const std::string& name) {
    const Command* command = FindCommand(name);
    return command ? command->info.count : -1;
}

const CommandInfo* FindCommandInfo(const std::string& name) {
    const Command* command = FindCommand(name);
    return command ? &command->info : nullptr;
}

std::vector<const CommandInfo*> AllCommands() {
    std::vector<const CommandInfo*> all;
    for (const Command& command : kCommands)
        all.push_back(&command.info);
    return all;
}

StatementResult ExecuteStatement(SetupState& state, ScriptStatement& statement, CommandPlatform& platform) {
    const Command* command = FindCommand(statement.Name);
    if (!command)
        return StatementResult::Continue;
    if (statement.Arguments.size() != static_cast<size_t>(command->info.count)) {
        platform.ShowSyntaxError();
        return StatementResult::SyntaxError;
    }
    for (size_t i = 0; i < statement.Arguments.size(); ++i) {
        if ((command->info.substituted & (1u << i)) &&
            state.Variables.Substitute(statement.Arguments[i]) == SubstituteResult::TooLong)
            return StatementResult::ValueBound;
    }
    CommandContext context{state, statement, platform};
    const StatementResult result = command->effect(context);
    return state.Variables.OverTotalBound() ? StatementResult::ValueBound : result;
}

std::string ValueBoundMessage(const std::string& statementName, int line) {
    return "Error in 'SetupScript.INI', line " + std::to_string(line) + " (" + statementName +
           "): a value grows beyond " + std::to_string(kMaxValueBytes >> 20) + " MiB, or all variables together beyond " +
           std::to_string(kMaxTotalBytes >> 20) + " MiB.\nSetup cannot be continued.";
}
