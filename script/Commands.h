// The commands of the script language.
#pragma once
#include "script/CommandPlatform.h"
#include "script/ScriptStatement.h"
#include "script/SetupState.h"

enum class StatementResult {
    Continue,
    EndRun,
    SyntaxError,
    // A value grew beyond kMaxValueBytes or all values beyond kMaxTotalBytes
    // (script/VariableTable.h): setup stops as for a syntax error.
    ValueBound,
};

// Runs one statement: dispatch by exact name, argument count check,
// substitution of the arguments that allow it, then the command's effect.
// The statement is the loop's own copy; substitution changes it.
StatementResult ExecuteStatement(SetupState& state, ScriptStatement& statement, CommandPlatform& platform);

// What setup says when a statement reaches the value bounds: the statement's
// name and its line in the script.
std::string ValueBoundMessage(const std::string& statementName, int line);

// The argument count of a command, or -1 when the name is no command.
int CommandArgumentCount(const std::string& name);

constexpr unsigned Arg(int n) { return 1u << (n - 1); }

// What a command expects of its arguments.
struct CommandInfo {
    const char* name;
    int count;
    unsigned substituted; // Arg(n) set: argument n is substituted
    // One letter per argument: t text, n number, f flag, c colour
    // component, d disk number, u a number read without effect.
    const char* kinds;
};

// The command of that exact name, or null.
const CommandInfo* FindCommandInfo(const std::string& name);
// Every command, in dispatch order.
std::vector<const CommandInfo*> AllCommands();
