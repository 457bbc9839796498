// Setup variables by case-sensitive name, and the resolution of [NAME]
// references in texts.
#pragma once
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

// Bounds that stop a script whose values grow (each one doubling the last,
// or a long chain that each time adds to it) before it exhausts memory. No
// real script comes near them; a 32-bit process holds them comfortably.
constexpr size_t kMaxValueBytes = 1u << 20;  // one text produced by substitution
constexpr size_t kMaxTotalBytes = 64u << 20; // the values of all variables together

enum class SubstituteResult {
    Done,
    TooLong, // the text would grow beyond kMaxValueBytes; it is left part-resolved
};

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
        Store(name, value);
        literal_.erase(name);
    }

    // Sets a value that is plain text, such as a path the system or the user
    // gave: brackets in it are never read as references ("C:\Games [2026]\"
    // stays that directory wherever [DP] is resolved).
    void SetLiteral(const std::string& name, const std::string& value) {
        Store(name, value);
        literal_.insert(name);
    }

    bool Contains(const std::string& name) const { return values_.count(name) != 0; }
    // Whether something gave the variable a value; a read alone creates it empty.
    bool IsAssigned(const std::string& name) const { return assigned_.count(name) != 0; }
    // The bytes of all values given through Set and SetLiteral.
    size_t TotalBytes() const { return totalBytes_; }
    bool OverTotalBound() const { return totalBytes_ > kMaxTotalBytes; }

    // Replaces every reference [NAME] in text by the variable's value, again
    // and again from the start, so that references brought in by a value are
    // resolved too. A reference to a variable that is being expanded already
    // (a cycle, direct or through other variables) is replaced by nothing.
    // The values of literal variables are inserted as they are. Stops with
    // TooLong before the text would grow beyond kMaxValueBytes.
    SubstituteResult Substitute(std::string& text, SubstituteTrace* trace = nullptr);
    // The same resolution without creating the variables it reads, for a
    // look at what a text would become (the script checker).
    SubstituteResult Resolve(std::string& text, SubstituteTrace* trace = nullptr) const;

private:
    void Store(const std::string& name, const std::string& value) {
        std::string& stored = values_[name];
        totalBytes_ = totalBytes_ - stored.size() + value.size();
        stored = value;
        assigned_.insert(name);
    }

    template <typename Lookup>
    SubstituteResult SubstituteWith(std::string& text, SubstituteTrace* trace, Lookup lookup) const;

    std::map<std::string, std::string> values_;
    std::set<std::string> literal_;
    std::set<std::string> assigned_;
    size_t totalBytes_ = 0;
};
