// The bundle loader reads its command line with setup.exe's switch reader
// and starts setup.exe with the same arguments: both must see the same mode
// and the same log, whatever quotes and backslashes the administrator typed.
#include <gtest/gtest.h>

#include "run/ArgumentQuoting.h"
#include "run/SetupSwitches.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The C runtime's splitting of a command line after the program name, as
// documented for msvcrt: 2n backslashes before a quote give n and the quote
// groups, 2n+1 give n and a literal quote, a doubled quote inside quotes is
// a literal quote, other backslashes are literal.
std::vector<std::string> SplitLikeTheRuntime(const std::string& line) {
    size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        i = line.find('"', 1);
        i = i == std::string::npos ? line.size() : i + 1;
    }
    while (i < line.size() && !IsBlank(line[i]))
        ++i;
    std::vector<std::string> arguments;
    for (;;) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            return arguments;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
                continue;
            }
            argument.append(backslashes, '\\');
            if (i < line.size() && (quoted || !IsBlank(line[i])))
                argument += line[i++];
        }
        arguments.push_back(argument);
    }
}

const char kSetup[] = "C:\\WINDOWS\\TEMP\\TarvaneSetup-0123456789ABCDEF\\setup.exe";

TEST(ArgumentQuoting, SetupGetsBackExactlyTheArguments) {
    const std::vector<std::string> arguments = {
        "/VERYSILENT", "/DIR=C:\\X\" /VERYSILENT", "", "a b", "C:\\dir with blanks\\", "x\\\\\"y", "\t",
        "\"", "\\", "\\\\", "/LOG=C:\\a b\\", "tail\\\\", "mid\\dle", "\"\"quoted\"\""};
    const std::string line = CommandLineOf(kSetup, arguments);
    EXPECT_EQ(SplitLikeTheRuntime(line), arguments) << line;
    EXPECT_EQ(line.rfind(std::string("\"") + kSetup + "\" /VERYSILENT ", 0), 0u) << line;
    // Plain words stay as they are, so the log shows what was typed.
    EXPECT_EQ(QuotedArgument("/quiet"), "/quiet");
    EXPECT_EQ(QuotedArgument("/DIR=C:\\My App\\"), "\"/DIR=C:\\My App\\\\\"");
    EXPECT_EQ(QuotedArgument(""), "\"\"");
}

// The mode the loader reads from what the C runtime gave it, and the mode
// setup.exe reads from the command line the loader builds.
RunMode LoaderMode(const std::string& typed) {
    return ReadSwitches(SplitLikeTheRuntime(typed), SwitchSet::Setup).Switches.Mode;
}
RunMode SetupMode(const std::string& typed) {
    const std::vector<std::string> passed = SplitLikeTheRuntime(CommandLineOf(kSetup, SplitLikeTheRuntime(typed)));
    return ReadSwitches(passed, SwitchSet::Setup).Switches.Mode;
}

TEST(ArgumentQuoting, LoaderAndSetupAgreeAboutTheMode) {
    struct Case {
        const char* Typed;
        RunMode Mode;
    };
    const Case cases[] = {
        {"Demo.exe /quiet", RunMode::VerySilent},
        {"Demo.exe /passive", RunMode::Silent},
        {"Demo.exe -Silent /LOG", RunMode::Silent},
        {"\"C:\\a b\\Demo.exe\" /VERYSILENT /DIR=\"C:\\My App\"", RunMode::VerySilent},
        // The quote after the backslash is escaped: /VERYSILENT is part of the /DIR value.
        {"Demo.exe /DIR=\"C:\\X\\\" /VERYSILENT", RunMode::Interactive},
        {"Demo.exe /DIR=\"C:\\X\\\\\" /VERYSILENT", RunMode::VerySilent},
        {"Demo.exe \"/SILENT /VERYSILENT\"", RunMode::Interactive},
        {"Demo.exe /SILENTLY", RunMode::Interactive},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoaderMode(c.Typed), c.Mode) << c.Typed;
        EXPECT_EQ(SetupMode(c.Typed), c.Mode) << c.Typed;
    }
}

TEST(ArgumentQuoting, RelativeLogIsPassedOnFull) {
    const auto fromStart = [](const std::string& path) { return "D:\\Start\\" + path; };
    const std::vector<std::string> passed =
        WithFullLogPath({"/VERYSILENT", "/LOG=inst.log", "-log=\"sub dir\\x.log\"", "/LOG", "/LOG=", "/DIR=C:\\x",
                         "/LOGGING=y"},
                        fromStart);
    EXPECT_EQ(passed, (std::vector<std::string>{"/VERYSILENT", "/LOG=D:\\Start\\inst.log",
                                                "/LOG=D:\\Start\\sub dir\\x.log", "/LOG", "/LOG=", "/DIR=C:\\x",
                                                "/LOGGING=y"}));
    // What setup.exe then reads is the full path (the last /LOG switch wins).
    const std::vector<std::string> first(passed.begin(), passed.begin() + 3);
    const SwitchReading reading = ReadSwitches(SplitLikeTheRuntime(CommandLineOf(kSetup, first)), SwitchSet::Setup);
    EXPECT_EQ(reading.Switches.LogFile, "D:\\Start\\sub dir\\x.log");
}

} // namespace
