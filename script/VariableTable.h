// Setup variables by case-sensitive name, and the resolution of [NAME]
// references in texts.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

// What one substitution looked up, for the script checker.
struct SubstituteTrace {
    std::vector<std::string> Names;  // every reference resolved, in order
    std::vector<std::string> Cycles; // references cut because they repeat
};

class VariableTable {
public:
    // Returns the variable, creating it empty when absent.
    std::string& Get(const std::string& name) { return values_[name]; }

    void Set(const std::string& name, const std::string& value) {
        values_[name] = value;
        literal_.erase(name);
        assigned_.insert(name);
    }

    // Sets a value that is plain text, such as a path the system or the user
    // gave: brackets in it are never read as references ("C:\Games [2026]\"
    // stays that directory wherever [DP] is resolved).
    void SetLiteral(const std::string& name, const std::string& value) {
        values_[name] = value;
        literal_.insert(name);
        assigned_.insert(name);
    }

    bool Contains(const std::string& name) const { return values_.count(name) != 0; }
    // Whether something gave the variable a value; a read alone creates it empty.
    bool IsAssigned(const std::string& name) const { return assigned_.count(name) != 0; }

    // Replaces every reference [NAME] in text by the variable's value, again
    // and again from the start, so that references brought in by a value are
    // resolved too. A reference to a variable that is being expanded already
    // (a cycle, direct or through other variables) is replaced by nothing.
    // The values of literal variables are inserted as they are.
    void Substitute(std::string& text, SubstituteTrace* trace = nullptr);

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> literal_;
    std::set<std::string> assigned_;
};
