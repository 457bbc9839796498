#include "uninstall/UninstallLog.h"

#include "text/PathText.h"

void UninstallLog::Open(std::unique_ptr<ByteSink> sink, std::function<void()> onFirstWriteFailure) {
    sink_ = std::move(sink);
    onFirstWriteFailure_ = std::move(onFirstWriteFailure);
    failed_ = false;
    nonSharedPaths_.clear();
}

void UninstallLog::Close() {
    if (!sink_)
        return;
    NoteResult(sink_->Flush());
    sink_.reset();
}

void UninstallLog::WriteHeader(const LogDate& date) {
    WriteLines({"ORUNLOG V1", "", "ORLISK UNINSTALLATION LOG FILE", "",
                "MAKE NO CHANGES TO THIS FILE, ITS FORMAT IS EXACTLY DEFINED!",
                "NO REAL PARSER DOES EXIST, SO DON\xB4T MODIFY ANYTHING!",
                "ANY ERRORS COULD CAUSE CATASTROPHAL (!) DAMAGE TO YOUR SYSTEM, YOU",
                "COULD BE UNABLE TO RESTART WINDOWS", "",
                "DATE:" + std::to_string(date.Month) + "/" + std::to_string(date.Day) + "/" +
                    std::to_string(date.Year),
                "[FILES]"});
}

void UninstallLog::SetRecordCode(std::function<std::optional<std::string>(const std::string&)> recode) {
    recode_ = std::move(recode);
}

void UninstallLog::WriteNonSharedFile(const std::string& shortDirectory, const std::string& shortName) {
    if (const auto path = Recoded(shortDirectory + "\\" + shortName))
        WriteNonShared(*path);
}

void UninstallLog::WriteSharedFile(const std::string& directory, const std::string& name) {
    if (const auto path = Recoded(directory + "\\" + name))
        WriteLines({*path, "SHARED"});
}

void UninstallLog::WriteSelfRegistration(bool exportsRegisterServer) {
    WriteLines({exportsRegisterServer ? "AUTOREGSVR" : "NOAUTOREGSVR"});
}

void UninstallLog::WriteShortcut(const std::string& linkPath) {
    if (const auto path = Recoded(linkPath))
        WriteNonShared(*path);
}

void UninstallLog::WriteNonShared(const std::string& path) {
    if (!nonSharedPaths_.insert(UpperCasedPath(path)).second)
        return;
    WriteLines({path, "NONSHARED"});
}

void UninstallLog::WriteRegistrySection(const std::string& keyPath) {
    if (const auto path = Recoded(keyPath))
        WriteLines({"[REGISTRY]", *path});
}

std::optional<std::string> UninstallLog::Recoded(const std::string& name) {
    if (!sink_ || !recode_)
        return name;
    std::optional<std::string> converted = recode_(name);
    if (!converted)
        NoteResult(false);
    return converted;
}

void UninstallLog::WriteLines(std::initializer_list<std::string> lines) {
    if (!sink_)
        return;
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    NoteResult(sink_->Write(bytes.data(), bytes.size()));
}

void UninstallLog::NoteResult(bool succeeded) {
    if (succeeded || failed_)
        return;
    failed_ = true;
    if (onFirstWriteFailure_)
        onFirstWriteFailure_();
}
