#include "script/VariableTable.h"

#include <algorithm>
#include <vector>

namespace {
// Each character of the text being resolved remembers which variables'
// values brought it in (its expansion chain), as an index into a table of
// name sets. A reference whose own characters came from the variable it
// names would repeat without end.
struct ChainTable {
    std::vector<std::vector<std::string>> chains{{}};

    size_t Extend(const std::vector<size_t>& from, const std::string& name) {
        std::vector<std::string> merged{name};
        for (size_t id : from)
            merged.insert(merged.end(), chains[id].begin(), chains[id].end());
        std::sort(merged.begin(), merged.end());
        merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
        const auto found = std::find(chains.begin(), chains.end(), merged);
        if (found != chains.end())
            return static_cast<size_t>(found - chains.begin());
        chains.push_back(std::move(merged));
        return chains.size() - 1;
    }

    bool Holds(size_t id, const std::string& name) const {
        return std::binary_search(chains[id].begin(), chains[id].end(), name);
    }
};
}

void VariableTable::Substitute(std::string& text) {
    ChainTable table;
    std::vector<size_t> chainOf(text.size(), 0);
    // Nothing before the last reference replaced holds a "[", so each search
    // may start there instead of at the beginning.
    size_t searchFrom = 0;
    for (;;) {
        const size_t open = text.find('[', searchFrom);
        if (open == std::string::npos)
            return;
        const size_t close = text.find(']', open + 1);
        if (close == std::string::npos)
            return;
        const std::string name = text.substr(open + 1, close - open - 1);

        std::vector<size_t> used(chainOf.begin() + static_cast<long>(open),
                                 chainOf.begin() + static_cast<long>(close) + 1);
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        const bool cycle = std::any_of(used.begin(), used.end(),
                                       [&](size_t id) { return table.Holds(id, name); });

        const std::string value = cycle ? std::string() : Get(name);
        const size_t chain = value.empty() ? 0 : table.Extend(used, name);
        text.replace(open, close - open + 1, value);
        chainOf.erase(chainOf.begin() + static_cast<long>(open),
                      chainOf.begin() + static_cast<long>(close) + 1);
        chainOf.insert(chainOf.begin() + static_cast<long>(open), value.size(), chain);
        searchFrom = open;
    }
}
