#include "uninstaller/UninstallRun_win.h"

#include <windows.h>

#include "text/PathText.h"
#include "uninstall/LogDigest_win.h"
#include "uninstall/RemovalPlan.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallLogReader.h"
#include "uninstall/UninstallRegistry_win.h"
#include "uninstaller/FileRemoval_win.h"
#include "uninstaller/LockedLog_win.h"
#include "uninstaller/LogInOwnCodePage_win.h"
#include "uninstaller/ProgressWindow_win.h"
#include "uninstaller/ProtectedFolders_win.h"
#include "uninstaller/RegistryRemoval_win.h"
#include "uninstaller/SharedFileRemoval_win.h"
#include "windows/CodePages_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

const char kCaptionPrefix[] = "Uninstall ";
const char kGenericCaption[] = "Uninstall";

void Tell(const std::string& text, const std::string& caption, UINT icon) {
    AskUser(nullptr, text, caption, MB_OK | icon | MB_SETFOREGROUND, IDOK);
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Two names of one existing file: the log holds short forms.
bool SameFile(const std::string& a, const std::string& b) {
    if (SamePath(a, b))
        return true;
    const std::string shortA = ShortPathOf(a);
    return !shortA.empty() && SamePath(shortA, ShortPathOf(b));
}

// Opens and reads the log; tells the user and returns false when it cannot.
bool ReadLog(LockedLog& log, const std::string& path, std::string& bytes) {
    switch (log.Open(path)) {
    case LogOpenResult::Opened:
        break;
    case LogOpenResult::Missing:
        Tell("The uninstall log " + path + " was not found, so nothing can be removed.", kGenericCaption, MB_ICONERROR);
        return false;
    case LogOpenResult::Busy:
        Tell("Another uninstallation is already removing this application (" + path + " is in use). This one stops.",
             kGenericCaption, MB_ICONERROR);
        return false;
    case LogOpenResult::Failed:
        Tell("The uninstall log " + path + " cannot be opened: " + SystemErrorText(log.OpenError()), kGenericCaption,
             MB_ICONERROR);
        return false;
    }
    if (log.ReadAll(bytes))
        return true;
    Tell("The uninstall log " + path + " cannot be read: " + SystemErrorText(GetLastError()), kGenericCaption,
         MB_ICONERROR);
    return false;
}

std::string RefusedRecordsText(const std::string& logPath, const RemovalPlan& plan) {
    std::string text = "The uninstall log " + logPath +
                       " names things that an uninstallation must not remove, so it cannot be trusted and nothing "
                       "has been removed:\n";
    for (size_t i = 0; i < plan.Refused.size() && i < RemovalReport::MaxListed; ++i) {
        const RefusedRecord& refused = plan.Refused[i];
        text += "\nline " + std::to_string(refused.Line) + ": " + refused.Path + ": " +
                DescribePathProblem(refused.Problem);
    }
    if (plan.Refused.size() > RemovalReport::MaxListed)
        text += "\n... and " + std::to_string(plan.Refused.size() - RemovalReport::MaxListed) + " more";
    return text;
}

// The application name whose key names these are.
std::string JoinedKeyNames(const std::vector<std::string>& keyNames) {
    std::string name;
    for (const std::string& part : keyNames)
        name += (name.empty() ? "" : "\\") + part;
    return name;
}

// An entry without a digest (written before digests were kept) is trusted
// only when it starts this very program: a log edited to name another key,
// or none, must not get around the digest.
bool EntryStartsThisProgram(const std::vector<std::string>& keyNames, const std::string& programPath) {
    const std::optional<std::string> command = ReadEntryText(keyNames, "UninstallString");
    if (!command)
        return false;
    const bool quoted = command->size() >= 2 && command->front() == '"' && command->back() == '"';
    return SameFile(quoted ? command->substr(1, command->size() - 2) : *command, programPath);
}

// Tells the user and returns false when the log is not the one that setup,
// or the last rewrite, left: someone may have added records to turn the
// uninstaller against other files.
bool LogMatchesItsDigest(const std::string& bytes, const ParsedLog& log, const std::string& logPath,
                         const std::string& programPath, const std::string& caption) {
    std::string why;
    switch (CheckLogDigest(bytes, ReadLogDigests(log.KeyNames), Sha256Digest)) {
    case DigestVerdict::Matches:
        return true;
    case DigestVerdict::NoDigest:
        if (EntryStartsThisProgram(log.KeyNames, programPath))
            return true;
        why = " names the uninstall entry HKEY_LOCAL_MACHINE\\" + UninstallKeyPath(JoinedKeyNames(log.KeyNames)) +
              ", which does not start this uninstaller,";
        break;
    case DigestVerdict::Changed:
        why = " was changed after the installation,";
        break;
    case DigestVerdict::Missing:
        why = " has no digest in its uninstall entry, although setup stores one,";
        break;
    case DigestVerdict::Uncheckable:
        why = " cannot be checked against the digest that setup stored (this system cannot compute it),";
        break;
    }
    Tell("The uninstall log " + logPath + why + " so it cannot be trusted and nothing has been removed.", caption,
         MB_ICONERROR);
    return false;
}

// The digest follows every rewrite: the new one is stored as pending first
// and becomes the digest once the log holds the new bytes, so that an
// interruption at any point leaves a log that one of them matches.
void RewriteLog(const LockedLog& file, const std::vector<std::string>& keyNames, const std::string& bytes) {
    const std::optional<std::string> digest = Sha256Digest(bytes);
    if (digest)
        SetEntryText(keyNames, PendingLogDigestValue, *digest);
    if (!file.Rewrite(bytes) || !digest)
        return;
    SetEntryText(keyNames, LogDigestValue, *digest);
    DeleteEntryValue(keyNames, PendingLogDigestValue);
}

class Removal {
public:
    // written: the log as it is on disk; log: the same in this program's code page.
    Removal(const ParsedLog& written, const ParsedLog& log, const RemovalPlan& plan, const LockedLog& file,
            const std::string& programPath, const std::string& logPath, const std::string& caption)
        : written_(written), log_(log), plan_(plan), file_(file), programPath_(programPath), logPath_(logPath), progress_(caption) {}

    RemovalReport Run() {
        std::vector<std::string> paths;
        std::vector<std::string> scheduled;
        size_t done = 0;
        // The records still to do or that failed: what the log keeps.
        std::vector<bool> left(log_.Records.size(), true);
        for (const size_t index : plan_.Order) {
            const LogRecord& record = log_.Records[index];
            progress_.Show(done++, plan_.Order.size(), record.Path);
            paths.push_back(record.Path);
            // The running program cannot delete itself, nor the log it holds
            // open; the self-removal does both.
            if (SameFile(record.Path, programPath_) || SameFile(record.Path, logPath_))
                continue;
            if (record.Kind == RecordKind::Shared) {
                // A count lowered leaves the log at once, so that a second
                // run never lowers it again.
                if (ReleaseSharedFile(record, report_)) {
                    left[index] = false;
                    RewriteLog(file_, log_.KeyNames, ComposeRemainingLog(written_, left));
                }
                continue;
            }
            std::string reason;
            const RemovalOutcome outcome = ReachedThroughLink(record.Path)
                                               ? NotThroughLink(reason)
                                               : RemoveInstalledFile(record.Path, reason);
            report_.Note(outcome, record.Path, reason);
            left[index] = outcome == RemovalOutcome::Failed;
            if (outcome == RemovalOutcome::Scheduled)
                scheduled.push_back(record.Path);
        }
        RemoveEmptyDirectories(paths, scheduled);
        // Until everything is removed the entry stays, with the log's digest,
        // so that the next run starts from Add/Remove Programs and is checked.
        std::string reason;
        if (report_.Complete() && !RemoveUninstallEntry(log_.KeyNames, reason))
            report_.Note(RemovalOutcome::Failed,
                         "HKEY_LOCAL_MACHINE\\" + UninstallKeyPath(JoinedKeyNames(log_.KeyNames)), reason);
        return std::move(report_);
    }

private:
    // The folders on the way to a file below the protected ones (those the
    // installation made or chose, which others may be able to write) are
    // judged from an open handle when its turn comes: a junction or link
    // put there since is never followed.
    bool ReachedThroughLink(const std::string& path) const {
        for (const std::string& folder : DirectoriesToTry({path}, protectedFolders_))
            if (KindOfName(folder) == NameKind::Link)
                return true;
        return false;
    }

    static RemovalOutcome NotThroughLink(std::string& reason) {
        reason = "the way to it leads through a link, which is never followed";
        return RemovalOutcome::Failed;
    }

    // Directories that still hold a file waiting for the restart are
    // scheduled after it (NT removes them then if they are empty). A folder
    // that has become a link is removed as a link; one reached through a
    // link is left.
    void RemoveEmptyDirectories(const std::vector<std::string>& paths, const std::vector<std::string>& scheduled) {
        for (const std::string& directory : DirectoriesToTry(paths, protectedFolders_))
            if (!ReachedThroughLink(directory))
                RemoveDirectoryA(directory.c_str());
        for (const std::string& directory : DirectoriesToTry(scheduled, protectedFolders_)) {
            std::string ignored;
            if (IsDirectory(directory) && !ReachedThroughLink(directory))
                ScheduleDeletionAtRestart(directory, ignored);
        }
    }

    const std::vector<std::string> protectedFolders_ = ProtectedFolders();

    const ParsedLog& written_;
    const ParsedLog& log_;
    const RemovalPlan& plan_;
    const LockedLog& file_;
    const std::string& programPath_;
    const std::string& logPath_;
    ProgressWindow progress_;
    RemovalReport report_;
};

} // namespace

UninstallResult RunUninstall(const std::string& programPath) {
    const std::string directory = SplitAtLastBackslash(programPath).Directory;
    const std::string logPath = UninstallLogPath(directory);
    LockedLog file;
    std::string bytes;
    if (!ReadLog(file, logPath, bytes))
        return {};
    const LogReadResult read = ReadUninstallLogText(bytes);
    if (!read.Log) {
        // The reasons quote the fixed header, whose 0xB4 is a Western byte.
        Tell("The uninstall log " + logPath + " is not as setup wrote it, so nothing has been removed.\n\n" +
                 WesternText(DescribeRefusal(read)),
             kGenericCaption, MB_ICONERROR);
        return {};
    }
    const LogRecodeResult own = LogInOwnCodePage(*read.Log);
    if (!own.Log) {
        Tell("The uninstall log " + logPath + " names, on line " + std::to_string(own.Line) +
                 ", a character that this version of Windows cannot handle, so nothing has been removed.",
             kGenericCaption, MB_ICONERROR);
        return {};
    }
    const ParsedLog& log = *own.Log;
    const std::string appName = log.KeyNames.back();
    const std::string caption = kCaptionPrefix + appName;
    const RemovalPlan plan = PlanRemoval(log, IsDirectory);
    if (!plan.Refused.empty()) {
        Tell(RefusedRecordsText(logPath, plan), caption, MB_ICONERROR);
        return {};
    }
    if (!LogMatchesItsDigest(bytes, log, logPath, programPath, caption))
        return {};
    const std::string question = "Do you want to remove " + appName + " and all of its components?";
    // A silent run was asked for on purpose: that is its Yes.
    if (AskUser(nullptr, question, caption, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND, IDYES) != IDYES)
        return {UninstallExit::Cancelled, false};

    const RemovalReport report = Removal(*read.Log, log, plan, file, programPath, logPath, caption).Run();
    file.Close();
    Tell(report.FinalText(appName), caption, report.Complete() ? MB_ICONINFORMATION : MB_ICONWARNING);
    return {report.Exit(), report.Complete()};
}
