#include "checker/Suggest.h"

#include <algorithm>
#include <cctype>

namespace {
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Lowered(const std::string& text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && Lowered(a) == Lowered(b);
}

NearestNameSearch::NearestNameSearch(const std::string& name)
    : name_(name), lowered_(Lowered(name)), bestDistance_(std::max<size_t>(1, name.size() / 4) + 1) {}

std::string NearestNameSearch::Over(const std::vector<std::string>& candidates) {
    for (; seen_ < candidates.size() && exact_.empty(); ++seen_) {
        const std::string& candidate = candidates[seen_];
        const std::string other = Lowered(candidate);
        if (other == lowered_) {
            exact_ = candidate;
            break;
        }
        const size_t distance = EditDistance(lowered_, other);
        if (distance < bestDistance_) {
            bestDistance_ = distance;
            best_ = candidate;
        }
        if (containing_.empty() && other.size() >= 4 &&
            (lowered_.find(other) != std::string::npos || other.find(lowered_) != std::string::npos))
            containing_ = candidate;
    }
    if (!exact_.empty())
        return exact_;
    if (!best_.empty() || name_.size() < 4)
        return best_;
    return containing_;
}

std::string NearestName(const std::string& name, const std::vector<std::string>& candidates) {
    return NearestNameSearch(name).Over(candidates);
}
