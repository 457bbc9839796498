// The uninstall log "Uninstall.log": its exact bytes, written record by
// record through a byte sink. The separate uninstaller reads this layout, so
// every keyword and line stays as it is.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

// Where the log's bytes go: a file on Windows, a string in tests. Bytes are
// written as they are; the log itself supplies the CR LF line ends, so a
// sink must not translate line feeds.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const char* bytes, size_t count) = 0;
    // Pushes out anything the sink holds back; called when the log closes.
    virtual bool Flush() { return true; }
};

struct LogDate {
    int Month = 1;  // 1..12
    int Day = 1;    // 1..31
    int Year = 1970;
};

class UninstallLog {
public:
    // Starts writing to the sink. A log that was never opened (the file could
    // not be created) drops every write without a word: the user was told
    // then. After opening, the first failing write or flush calls
    // onFirstWriteFailure once, so the user learns that the uninstaller will
    // miss files; writing goes on, so records that still fit are kept.
    void Open(std::unique_ptr<ByteSink> sink, std::function<void()> onFirstWriteFailure);
    bool IsOpen() const { return sink_ != nullptr; }
    // Flushes and releases the sink.
    void Close();
    bool HasWriteFailed() const { return failed_; }
    // Turns each record's names into the log's code page (the header is
    // fixed bytes and never passes through it). A record it cannot turn is
    // left out and counts as a failed write.
    void SetRecordCode(std::function<std::optional<std::string>(const std::string&)> recode);

    // Magic line, banner, warning paragraph, date line and "[FILES]".
    void WriteHeader(const LogDate& date);
    // An installed non-shared file by its short (8.3) directory and name. A
    // non-shared path already in the log (case aside) is not written again:
    // an upgrade records a file that both versions install once.
    void WriteNonSharedFile(const std::string& shortDirectory, const std::string& shortName);
    // An installed shared file: the directory it went to and its name.
    void WriteSharedFile(const std::string& directory, const std::string& name);
    // After the record of a shared file that loads as a library: whether it
    // exports DllRegisterServer (which was then called).
    void WriteSelfRegistration(bool exportsRegisterServer);
    void WriteShortcut(const std::string& linkPath);
    // "[REGISTRY]" and the uninstall key below HKEY_LOCAL_MACHINE; last lines.
    void WriteRegistrySection(const std::string& keyPath);

private:
    // Each record goes out in one write, so a log cut short ends after a
    // whole record.
    void WriteLines(std::initializer_list<std::string> lines);
    void WriteNonShared(const std::string& path);
    // A name of the process code page in the log's; empty (a failed write
    // noted) when it has no form there.
    std::optional<std::string> Recoded(const std::string& name);
    void NoteResult(bool succeeded);

    std::unique_ptr<ByteSink> sink_;
    std::function<void()> onFirstWriteFailure_;
    std::function<std::optional<std::string>(const std::string&)> recode_;
    bool failed_ = false;
    std::set<std::string> nonSharedPaths_; // upper case
};
