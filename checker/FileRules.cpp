// Sections, files, pieces, destinations, shortcuts and the uninstaller.
#include <map>
#include <set>

#include "checker/CheckFacts.h"
#include "checker/Suggest.h"
#include "text/PathText.h"
#include "script/Numbers.h"
#include "uninstall/PathRules.h"

namespace {

constexpr const char* kUninstaller = "TAUninstall.exe";

bool Is(const RunStatement& s, const char* command) {
    return std::string(s.Command->name) == command;
}

bool StartsWithPlaceVariable(const std::string& destination) {
    for (const char* place : {"[DP]", "[WINPATH]", "[SYSPATH]"}) {
        if (destination.compare(0, std::string(place).size(), place) == 0)
            return true;
    }
    return false;
}

class FileCheck {
public:
    FileCheck(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out)
        : places_(places), facts_(facts), out_(out) {}

    void Run() {
        for (const RunStatement& s : facts_.Statements) {
            if (Is(s, "CreateSection") && declared_.insert(s.Arguments[0]).second)
                sections_.push_back(s.Arguments[0]);
            else if (Is(s, "AddFile"))
                filled_.insert(s.Arguments[2]);
        }
        bool uninstaller = false;
        for (const RunStatement& s : facts_.Statements) {
            if (Is(s, "AddFile")) {
                AddFile(s);
                uninstaller = uninstaller || InstallsUninstaller(s);
            } else if (Is(s, "CreateSection")) {
                SectionHasFiles(s);
            } else if (Is(s, "ShowCopy") && !uninstaller) {
                out_.push_back(MakeDiagnostic("F407", places_.Name(s.Index),
                                              "no AddFile before ShowCopy installs " + std::string(kUninstaller) +
                                                  "; the uninstall entry would point at nothing"));
            }
        }
        UnfinishedPieces();
    }

private:
    static bool InstallsUninstaller(const RunStatement& s) {
        return EqualIgnoringCase(FileNamePart(s.Arguments[0]), kUninstaller) ||
               EqualIgnoringCase(FileNamePart(s.Arguments[1]), kUninstaller);
    }

    void AddFile(const RunStatement& s) {
        const std::vector<std::string>& a = s.Arguments;
        // The build lays setup.exe and the uninstaller on the medium; before
        // that (a medium without setup.exe) the uninstaller is not looked for.
        const bool fromTheBuild = !facts_.MediumHasSetup && EqualIgnoringCase(FileNamePart(a[0]), kUninstaller);
        if (s.Listed && s.Matched == 0 && !fromTheBuild)
            out_.push_back(MakeDiagnostic("F403", places_.Argument(s.Index, 0),
                                          "source " + Quoted(places_.Statement(s.Index).Arguments[0]) +
                                              " matches no file on the medium"));
        if (!declared_.count(a[2]))
            out_.push_back(MakeDiagnostic("F401", places_.Argument(s.Index, 2),
                                          "no CreateSection declares section " + Quoted(a[2]) +
                                              "; its files are never installed",
                                          NearestName(a[2], sections_)));
        Destination(s);
        if (ReadFlag(a[8]) && a[9].empty())
            out_.push_back(MakeDiagnostic("F406", places_.Argument(s.Index, 9),
                                          "the shortcut has an empty name; its link would be '.lnk'"));
        if (ReadFlag(a[5]))
            Piece(s);
    }

    void Destination(const RunStatement& s) {
        const std::string& destination = s.Arguments[1];
        if (StartsWithPlaceVariable(destination))
            return;
        std::string resolved = destination;
        facts_.State.Variables.Resolve(resolved);
        if (!IsFullPath(resolved))
            out_.push_back(MakeDiagnostic("F405", places_.Argument(s.Index, 1),
                                          "destination " + Quoted(destination) +
                                              " is not a full path; begin it with [DP], [WINPATH], [SYSPATH] or a drive"));
    }

    // Pieces meet in one assembly file named after the destination's file
    // name; the disks of one file go 1, 2, 3... until its last piece.
    void Piece(const RunStatement& s) {
        const std::string file = FileNamePart(s.Arguments[1]);
        int& expected = nextDisk_[file];
        if (expected == 0) {
            expected = 1;
            pieceOpenedAt_[file] = s.Index;
        }
        const int disk = ReadNumber(s.Arguments[4]);
        if (disk != expected)
            out_.push_back(MakeDiagnostic("F404", places_.Argument(s.Index, 4),
                                          "piece " + std::to_string(pieceCount_[file] + 1) + " of " + Quoted(file) +
                                              " is on disk " + std::to_string(disk) + "; expected disk " +
                                              std::to_string(expected)));
        ++pieceCount_[file];
        expected = disk + 1;
        if (ReadFlag(s.Arguments[6])) {
            nextDisk_.erase(file);
            pieceCount_.erase(file);
            pieceOpenedAt_.erase(file);
        }
    }

    void UnfinishedPieces() {
        for (const auto& open : pieceOpenedAt_)
            out_.push_back(MakeDiagnostic("F404", places_.Argument(open.second, 5),
                                          "no piece of " + Quoted(open.first) +
                                              " carries the last-piece flag; the file is never installed"));
    }

    void SectionHasFiles(const RunStatement& s) {
        if (filled_.count(s.Arguments[0]))
            return;
        out_.push_back(MakeDiagnostic("F402", places_.Argument(s.Index, 0),
                                      "no AddFile adds files to section " + Quoted(s.Arguments[0])));
    }

    const ScriptPlaces& places_;
    const RunFacts& facts_;
    Diagnostics& out_;
    std::vector<std::string> sections_; // declared, first declaration first
    std::set<std::string> declared_;
    std::set<std::string> filled_; // named by an AddFile
    std::map<std::string, int> nextDisk_;
    std::map<std::string, int> pieceCount_;
    std::map<std::string, size_t> pieceOpenedAt_;
};

} // namespace

void CheckFiles(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out) {
    FileCheck(places, facts, out).Run();
}
