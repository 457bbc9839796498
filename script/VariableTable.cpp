#include "script/VariableTable.h"

#include <algorithm>
#include <vector>

namespace {
// Marks the characters of a literal value: they never open or close a reference.
constexpr size_t kLiteral = static_cast<size_t>(-1);

// The first c at or after from that is not part of a literal value.
size_t FindActive(const std::string& text, const std::vector<size_t>& chainOf, char c, size_t from) {
    for (size_t i = text.find(c, from); i != std::string::npos; i = text.find(c, i + 1)) {
        if (chainOf[i] != kLiteral)
            return i;
    }
    return std::string::npos;
}

// Each character of the text being resolved remembers which variables'
// values brought it in (its expansion chain), as an index into a table of
// name sets. A reference whose own characters came from the variable it
// names would repeat without end.
struct ChainTable {
    std::vector<std::vector<std::string>> chains{{}};

    size_t Extend(const std::vector<size_t>& from, const std::string& name) {
        std::vector<std::string> merged{name};
        for (size_t id : from) {
            if (id == kLiteral)
                continue;
            merged.insert(merged.end(), chains[id].begin(), chains[id].end());
        }
        std::sort(merged.begin(), merged.end());
        merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
        const auto found = std::find(chains.begin(), chains.end(), merged);
        if (found != chains.end())
            return static_cast<size_t>(found - chains.begin());
        chains.push_back(std::move(merged));
        return chains.size() - 1;
    }

    bool Holds(size_t id, const std::string& name) const {
        return id != kLiteral && std::binary_search(chains[id].begin(), chains[id].end(), name);
    }
};
}

void VariableTable::Substitute(std::string& text, SubstituteTrace* trace) {
    ChainTable table;
    std::vector<size_t> chainOf(text.size(), 0);
    // Nothing before the last reference replaced holds a "[", so each search
    // may start there instead of at the beginning.
    size_t searchFrom = 0;
    for (;;) {
        const size_t open = FindActive(text, chainOf, '[', searchFrom);
        if (open == std::string::npos)
            return;
        const size_t close = FindActive(text, chainOf, ']', open + 1);
        if (close == std::string::npos)
            return;
        const std::string name = text.substr(open + 1, close - open - 1);

        std::vector<size_t> used(chainOf.begin() + static_cast<long>(open),
                                 chainOf.begin() + static_cast<long>(close) + 1);
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        const bool cycle = std::any_of(used.begin(), used.end(),
                                       [&](size_t id) { return table.Holds(id, name); });

        if (trace)
            (cycle ? trace->Cycles : trace->Names).push_back(name);
        const std::string value = cycle ? std::string() : Get(name);
        const size_t chain = value.empty() ? 0 : literal_.count(name) ? kLiteral : table.Extend(used, name);
        text.replace(open, close - open + 1, value);
        chainOf.erase(chainOf.begin() + static_cast<long>(open),
                      chainOf.begin() + static_cast<long>(close) + 1);
        chainOf.insert(chainOf.begin() + static_cast<long>(open), value.size(), chain);
        searchFrom = open;
    }
}
