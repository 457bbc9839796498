// Runs the statements as setup would, through the same command table, with
// pages that answer Next at once and a medium that is only listed; checks
// names, counts, numbers and variable references on the way.
#include <algorithm>
#include <map>

#include "checker/CheckFacts.h"
#include "checker/MediumFiles.h"
#include "checker/Suggest.h"
#include "text/VersionText.h"
#include "uninstall/PathRules.h"

namespace {

// Setup's own variables: start-up sets the first five, statements the rest.
const std::vector<std::string>& OwnVariables() {
    static const std::vector<std::string> names = {
        "SP", "SETUPFILE", "WINPATH", "SYSPATH", "DP", "APPNAME", "PROGRAMGROUP", "DEVELOPERNAME",
        "WELCOMESTRING", "WELCOMESTRING_CAP", "WELCOMESTRING2", "CAPTION", "APPVERSION"};
    return names;
}

class CheckPlatform : public CommandPlatform {
public:
    explicit CheckPlatform(MediumFiles& medium) : medium_(medium) {}

    void ShowSyntaxError() override {}
    void ShowMessageNow(const std::string&, const std::string&) override {}
    void RepaintBackground() override {}
    int RunPage(PageTemplate) override { return 0; }
    void EnumerateFiles(const std::string& pattern,
                        const std::function<void(const std::string& name, bool isDirectory)>& visit) override {
        Listed = medium_.Enumerate(pattern, [&](const std::string& name, bool isDirectory) {
            if (!isDirectory && !name.empty() && name[0] != '.')
                ++Matched;
            visit(name, isDirectory);
        });
    }

    // The checker sees no machine: there is never an earlier installation.
    EarlierLookup FindEarlierInstallation(const std::string&) override { return {}; }
    bool AcceptDowngrade(const std::string&) override { return true; }
    void Note(const std::string&) override {}

    bool Listed = false;
    int Matched = 0;

private:
    MediumFiles& medium_;
};

class StatementRun {
public:
    StatementRun(const ScriptReader& reader, Diagnostics& out) : places_(reader), out_(out) {}

    void Start(SetupState& state, const std::string& mediumDirectory) {
        const char separator = mediumDirectory.find('\\') != std::string::npos ? '\\' : '/';
        state.ProgramFilesPath = "C:\\Program Files\\";
        state.Variables.SetLiteral("SP", mediumDirectory);
        state.Variables.SetLiteral("SETUPFILE", mediumDirectory + separator + "SetupScript.ini");
        state.Variables.SetLiteral("WINPATH", "C:\\WINDOWS");
        state.Variables.SetLiteral("SYSPATH", "C:\\WINDOWS\\SYSTEM32");
        state.Variables.SetLiteral("DP", state.ProgramFilesPath);
        known_ = OwnVariables();
    }

    // Whether setup would carry the statement out.
    bool Accept(size_t index, const CommandInfo* command) {
        const ScriptStatement& statement = places_.Statement(index);
        if (!command) {
            std::vector<std::string> names;
            for (const CommandInfo* each : AllCommands())
                names.push_back(each->name);
            const std::string near = NearestName(statement.Name, names);
            out_.push_back(MakeDiagnostic("S101", places_.Name(index),
                                          "unknown statement " + Quoted(statement.Name), near));
            return false;
        }
        const size_t given = statement.Arguments.size();
        if (given != static_cast<size_t>(command->count)) {
            out_.push_back(MakeDiagnostic("S102", places_.Name(index),
                                          Quoted(statement.Name) + " takes " + Count(command->count) + ", " +
                                              std::to_string(given) + " given; setup stops here with exit code 2"));
            return false;
        }
        for (size_t n = 0; n < given; ++n)
            CheckNumber(command->kinds[n], statement.Arguments[n], places_.Argument(index, n), out_);
        return true;
    }

    // The references of argument n as setup would resolve them now.
    void CheckReferences(const VariableTable& variables, size_t index, size_t n) {
        std::string resolved = places_.Statement(index).Arguments[n];
        SubstituteTrace trace;
        variables.Resolve(resolved, &trace);
        std::vector<std::string> reported;
        for (const std::string& name : trace.Names) {
            if (variables.IsAssigned(name) || std::count(reported.begin(), reported.end(), name))
                continue;
            reported.push_back(name);
            out_.push_back(MakeDiagnostic("V201", Reference(index, n, name),
                                          "variable " + Quoted(name) + " is not set before this use; it reads as empty",
                                          suggestions_.try_emplace(name, name).first->second.Over(known_)));
        }
        for (const std::string& name : trace.Cycles) {
            out_.push_back(MakeDiagnostic("V202", Reference(index, n, name),
                                          "the reference to " + Quoted(name) +
                                              " repeats itself through the values it brings in; setup resolves it to nothing"));
        }
    }

    void ValueBound(size_t index) {
        out_.push_back(MakeDiagnostic("V205", places_.Name(index),
                                      "a value grows beyond " + std::to_string(kMaxValueBytes >> 20) +
                                          " MiB, or all variables together beyond " +
                                          std::to_string(kMaxTotalBytes >> 20) +
                                          " MiB; setup stops here with exit code 2 (later statements are not checked)"));
    }

    void Learn(size_t index, const RunStatement& done, const VariableTable& variables) {
        const std::string command = done.Command->name;
        if (command == "SetAppVersion" && !IsVersionText(done.Arguments[0]))
            out_.push_back(MakeDiagnostic("V206", places_.Argument(index, 0),
                                          "SetAppVersion needs digits and dots (2.1.0); " +
                                              Quoted(done.Arguments[0]) + " gives the uninstall entry no version"));
        if (command != "SetVariable")
            return;
        const std::string& name = done.Arguments[0];
        if (std::count(OwnVariables().begin(), OwnVariables().end(), name))
            out_.push_back(MakeDiagnostic("V203", places_.Argument(index, 0),
                                          Quoted(name) + " is one of setup's own variables; SetVariable overwrites it"));
        known_.push_back(name);
        // A relative DP installs below the current directory (the medium).
        if (name != "DP")
            return;
        std::string destination = "[DP]";
        variables.Resolve(destination, nullptr);
        if (!IsFullPath(destination))
            out_.push_back(MakeDiagnostic("V204", places_.Argument(index, 1),
                                          "DP becomes " + Quoted(destination) +
                                              ", not a full path; begin it with a drive (C:\\) or \\\\server\\share"));
    }

private:
    static std::string Count(int count) {
        return std::to_string(count) + (count == 1 ? " argument" : " arguments");
    }

    SourceSpan Reference(size_t index, size_t n, const std::string& name) const {
        const std::string& text = places_.Statement(index).Arguments[n];
        const size_t at = text.find("[" + name + "]");
        if (at == std::string::npos)
            return places_.Argument(index, n);
        return places_.InArgument(index, n, at, name.size() + 2);
    }

    ScriptPlaces places_;
    Diagnostics& out_;
    std::vector<std::string> known_; // grows at its end only
    std::map<std::string, NearestNameSearch> suggestions_;
};

} // namespace

RunFacts RunStatements(const ScriptReader& reader, MediumFiles& medium, Diagnostics& out) {
    RunFacts facts;
    StatementRun run(reader, out);
    run.Start(facts.State, medium.Directory());
    medium.Enumerate("setup.exe", [&](const std::string&, bool isDirectory) { facts.MediumHasSetup = !isDirectory; });
    bool destinationsChecked = false;
    for (size_t index = 0; index < reader.Statements.size(); ++index) {
        const CommandInfo* command = FindCommandInfo(reader.Statements[index].Name);
        if (!run.Accept(index, command))
            continue;
        for (size_t n = 0; n < static_cast<size_t>(command->count); ++n) {
            if (command->substituted & (1u << n))
                run.CheckReferences(facts.State.Variables, index, n);
        }
        // Destinations are resolved when the copy page installs the files.
        if (std::string(command->name) == "ShowCopy" && !destinationsChecked) {
            destinationsChecked = true;
            for (const RunStatement& earlier : facts.Statements) {
                if (std::string(earlier.Command->name) == "AddFile")
                    run.CheckReferences(facts.State.Variables, earlier.Index, 1);
            }
        }
        CheckPlatform platform(medium);
        ScriptStatement statement = reader.Statements[index];
        if (ExecuteStatement(facts.State, statement, platform) == StatementResult::ValueBound) {
            run.ValueBound(index);
            break;
        }
        RunStatement done{index, command, statement.Arguments, platform.Listed, platform.Matched};
        run.Learn(index, done, facts.State.Variables);
        facts.Statements.push_back(std::move(done));
    }
    return facts;
}
