#include "script/VariableTable.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {
// Marks the characters of a literal value: they never open or close a reference.
constexpr size_t kLiteral = static_cast<size_t>(-1);

// Each character of the text being resolved remembers which variables'
// values brought it in (its expansion chain), as an index into a table of
// name sets. A reference whose own characters came from the variable it
// names would repeat without end.
struct ChainTable {
    std::vector<std::vector<std::string>> chains{{}};
    std::map<std::vector<std::string>, size_t> ids{{{}, 0}};

    size_t Extend(const std::vector<size_t>& from, const std::string& name) {
        std::vector<std::string> merged{name};
        for (size_t id : from) {
            if (id == kLiteral)
                continue;
            merged.insert(merged.end(), chains[id].begin(), chains[id].end());
        }
        std::sort(merged.begin(), merged.end());
        merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
        const auto found = ids.emplace(merged, chains.size());
        if (found.second)
            chains.push_back(std::move(merged));
        return found.first->second;
    }

    bool Holds(size_t id, const std::string& name) const {
        return id != kLiteral && std::binary_search(chains[id].begin(), chains[id].end(), name);
    }
};

// The text still to be resolved, kept back to front with the chain of each
// character, so that taking a reference off its front and putting a value
// there cost only their own length: the whole run is linear in the text it
// produces.
struct PendingText {
    std::string chars;
    std::vector<size_t> chains;

    explicit PendingText(const std::string& text)
        : chars(text.rbegin(), text.rend()), chains(text.size(), 0) {}

    size_t Size() const { return chars.size(); }
    // Position i counted from the front.
    char At(size_t i) const { return chars[chars.size() - 1 - i]; }
    size_t ChainAt(size_t i) const { return chains[chains.size() - 1 - i]; }
    // The position of the first c at or after from that is not part of a
    // literal value; Size() when there is none.
    size_t FindActive(char c, size_t from) const {
        for (size_t at = chars.size() - from; at > 0;) {
            const size_t found = chars.rfind(c, at - 1);
            if (found == std::string::npos)
                break;
            if (chains[found] != kLiteral)
                return chars.size() - 1 - found;
            at = found;
        }
        return chars.size();
    }

    void DropFront(size_t count) {
        chars.resize(chars.size() - count);
        chains.resize(chains.size() - count);
    }
    void PutFront(const std::string& value, size_t chain) {
        chars.append(value.rbegin(), value.rend());
        chains.insert(chains.end(), value.size(), chain);
    }
    // Moves the first count characters behind done.
    void MoveFront(size_t count, std::string& done) {
        done.append(chars.rbegin(), chars.rbegin() + static_cast<long>(count));
        DropFront(count);
    }
};
}

template <typename Lookup>
SubstituteResult VariableTable::SubstituteWith(std::string& text, SubstituteTrace* trace, Lookup lookup) const {
    if (text.find('[') == std::string::npos)
        return SubstituteResult::Done;
    ChainTable table;
    PendingText rest(text);
    // Everything before the first active "[" is final: references are
    // always searched from there.
    std::string done;
    SubstituteResult result = SubstituteResult::Done;
    for (;;) {
        rest.MoveFront(rest.FindActive('[', 0), done);
        const size_t close = rest.Size() == 0 ? 0 : rest.FindActive(']', 1);
        if (close >= rest.Size())
            break;
        std::string name;
        std::vector<size_t> used;
        for (size_t i = 0; i <= close; ++i) {
            if (i > 0 && i < close)
                name += rest.At(i);
            used.push_back(rest.ChainAt(i));
        }
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        const bool cycle = std::any_of(used.begin(), used.end(),
                                       [&](size_t id) { return table.Holds(id, name); });

        if (trace)
            (cycle ? trace->Cycles : trace->Names).push_back(name);
        static const std::string kNothing;
        const std::string& value = cycle ? kNothing : lookup(name);
        if (done.size() + rest.Size() - (close + 1) + value.size() > kMaxValueBytes) {
            result = SubstituteResult::TooLong;
            break;
        }
        const size_t chain = value.empty() ? 0 : literal_.count(name) ? kLiteral : table.Extend(used, name);
        rest.DropFront(close + 1);
        rest.PutFront(value, chain);
    }
    rest.MoveFront(rest.Size(), done);
    text = std::move(done);
    return result;
}

SubstituteResult VariableTable::Substitute(std::string& text, SubstituteTrace* trace) {
    return SubstituteWith(text, trace, [this](const std::string& name) -> const std::string& { return Get(name); });
}

SubstituteResult VariableTable::Resolve(std::string& text, SubstituteTrace* trace) const {
    return SubstituteWith(text, trace, [this](const std::string& name) -> const std::string& {
        static const std::string kEmpty;
        const auto found = values_.find(name);
        return found == values_.end() ? kEmpty : found->second;
    });
}
