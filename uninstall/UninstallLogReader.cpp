#include "uninstall/UninstallLogReader.h"

#include <cctype>
#include <string_view>

#include "uninstall/UninstallEntry.h"

namespace {

constexpr size_t MaxKeyNameLength = 255;

const char* const HeaderLines[] = {
    "ORUNLOG V1",
    "",
    "ORLISK UNINSTALLATION LOG FILE",
    "",
    "MAKE NO CHANGES TO THIS FILE, ITS FORMAT IS EXACTLY DEFINED!",
    "NO REAL PARSER DOES EXIST, SO DON\xB4T MODIFY ANYTHING!",
    "ANY ERRORS COULD CAUSE CATASTROPHAL (!) DAMAGE TO YOUR SYSTEM, YOU",
    "COULD BE UNABLE TO RESTART WINDOWS",
    "",
};

// Lines without their ends; a final line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r' && end < text.size())
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

bool IsKeyword(std::string_view line) {
    return line == "NONSHARED" || line == "SHARED" || line == "AUTOREGSVR" || line == "NOAUTOREGSVR" ||
           line == "[FILES]" || line == "[REGISTRY]";
}

// A decimal number of 1 to 4 digits within [low, high].
std::optional<int> DateNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<LogDate> ReadDateLine(std::string_view line) {
    constexpr std::string_view Prefix = "DATE:";
    if (line.substr(0, Prefix.size()) != Prefix)
        return std::nullopt;
    line.remove_prefix(Prefix.size());
    const size_t first = line.find('/');
    const size_t second = first == std::string_view::npos ? first : line.find('/', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto month = DateNumber(line.substr(0, first), 1, 12);
    const auto day = DateNumber(line.substr(first + 1, second - first - 1), 1, 31);
    const auto year = DateNumber(line.substr(second + 1), 1, 9999);
    if (!month || !day || !year)
        return std::nullopt;
    return LogDate{*month, *day, *year};
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// The names below the Uninstall key; empty when the path is not one or more
// names below it.
std::vector<std::string> KeyNamesBelowRoot(std::string_view path) {
    const std::string prefix = std::string(UninstallRootKey) + "\\";
    if (!StartsWithIgnoringCase(path, prefix))
        return {};
    path.remove_prefix(prefix.size());
    std::vector<std::string> names;
    for (;;) {
        const size_t slash = path.find('\\');
        const std::string_view name = path.substr(0, slash);
        if (name.empty() || name.size() > MaxKeyNameLength)
            return {};
        names.emplace_back(name);
        if (slash == std::string_view::npos)
            return names;
        path.remove_prefix(slash + 1);
    }
}

class Reader {
public:
    explicit Reader(const std::string& bytes) : lines_(SplitLines(bytes)) {}

    LogReadResult Read() {
        for (size_t i = 0; i < std::size(HeaderLines); ++i) {
            if (!Expect(HeaderLines[i], "the header line \"" + std::string(HeaderLines[i]) + "\" was expected"))
                return Refused();
        }
        const auto date = next_ < lines_.size() ? ReadDateLine(lines_[next_]) : std::nullopt;
        if (!date)
            return Refuse("the date line DATE:month/day/year was expected");
        log_.Date = *date;
        ++next_;
        if (!Expect("[FILES]", "\"[FILES]\" was expected"))
            return Refused();
        while (next_ < lines_.size() && lines_[next_] != "[REGISTRY]") {
            if (!ReadRecord())
                return Refused();
        }
        if (next_ == lines_.size())
            return Refuse("the log ends before \"[REGISTRY]\"");
        ++next_;
        if (next_ == lines_.size())
            return Refuse("the log ends before the registry key");
        log_.KeyNames = KeyNamesBelowRoot(lines_[next_]);
        if (log_.KeyNames.empty())
            return Refuse("the key is not below HKEY_LOCAL_MACHINE\\" + std::string(UninstallRootKey) + "\\");
        log_.KeyLine = ++next_;
        for (; next_ < lines_.size(); ++next_) {
            if (!lines_[next_].empty())
                return Refuse("nothing may follow the registry key");
        }
        LogReadResult result;
        result.Log = std::move(log_);
        return result;
    }

private:
    bool ReadRecord() {
        const std::string_view path = lines_[next_];
        if (path.empty())
            return Fail("an empty line where a file path was expected");
        if (IsKeyword(path))
            return Fail("the keyword " + std::string(path) + " stands where a file path was expected");
        LogRecord record;
        record.Path = std::string(path);
        record.Line = ++next_;
        if (next_ == lines_.size())
            return Fail("the record of line " + std::to_string(record.Line) + " has no NONSHARED or SHARED line");
        const std::string_view keyword = lines_[next_];
        if (keyword == "SHARED") {
            record.Kind = RecordKind::Shared;
        } else if (keyword != "NONSHARED") {
            return Fail("unknown keyword \"" + std::string(keyword) + "\" (NONSHARED or SHARED expected)");
        }
        ++next_;
        if (record.Kind == RecordKind::Shared && next_ < lines_.size()) {
            if (lines_[next_] == "AUTOREGSVR") {
                record.Registration = SelfRegistration::Registered;
                ++next_;
            } else if (lines_[next_] == "NOAUTOREGSVR") {
                record.Registration = SelfRegistration::NotExported;
                ++next_;
            }
        }
        log_.Records.push_back(std::move(record));
        return true;
    }

    bool Expect(std::string_view line, const std::string& error) {
        if (next_ < lines_.size() && lines_[next_] == line) {
            ++next_;
            return true;
        }
        return Fail(error);
    }

    bool Fail(const std::string& error) {
        error_ = error;
        return false;
    }

    LogReadResult Refuse(const std::string& error) {
        Fail(error);
        return Refused();
    }

    LogReadResult Refused() const {
        LogReadResult result;
        result.ErrorLine = next_ + 1;
        result.Error = error_;
        return result;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    ParsedLog log_;
    std::string error_;
};

class StringSink : public ByteSink {
public:
    explicit StringSink(std::string& bytes) : bytes_(bytes) {}
    bool Write(const char* bytes, size_t count) override {
        bytes_.append(bytes, count);
        return true;
    }

private:
    std::string& bytes_;
};

} // namespace

LogReadResult ReadUninstallLogText(const std::string& bytes) {
    return Reader(bytes).Read();
}

std::string DescribeRefusal(const LogReadResult& result) {
    return "line " + std::to_string(result.ErrorLine) + ": " + result.Error;
}

void WriteRecord(UninstallLog& writer, const LogRecord& record) {
    if (record.Kind == RecordKind::NonShared) {
        writer.WriteShortcut(record.Path);  // a path and "NONSHARED", as for a file
        return;
    }
    const size_t slash = record.Path.rfind('\\');
    writer.WriteSharedFile(record.Path.substr(0, slash), record.Path.substr(slash + 1));
    if (record.Registration != SelfRegistration::NotLoadable)
        writer.WriteSelfRegistration(record.Registration == SelfRegistration::Registered);
}

std::string ComposeRemainingLog(const ParsedLog& log, const std::vector<bool>& keep) {
    std::string bytes;
    UninstallLog writer;
    writer.Open(std::make_unique<StringSink>(bytes), nullptr);
    writer.WriteHeader(log.Date);
    for (size_t i = 0; i < keep.size() && i < log.Records.size(); ++i) {
        if (keep[i])
            WriteRecord(writer, log.Records[i]);
    }
    std::string appName;
    for (const std::string& name : log.KeyNames)
        appName += (appName.empty() ? "" : "\\") + name;
    writer.WriteRegistrySection(UninstallKeyPath(appName));
    writer.Close();
    return bytes;
}
