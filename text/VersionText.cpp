#include "text/VersionText.h"

#include <vector>

namespace {

std::vector<std::string> Parts(const std::string& version) {
    std::vector<std::string> parts(1);
    for (const char c : version) {
        if (c == '.')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// The digits without leading zeros: "007" and "7" are the same number.
std::string Significant(const std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

int CompareNumbers(const std::string& a, const std::string& b) {
    const std::string x = Significant(a);
    const std::string y = Significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}

uint32_t PartValue(const std::string& digits) {
    uint64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return 0xFFFFFFFFu;
    }
    return static_cast<uint32_t>(value);
}

} // namespace

bool IsVersionText(const std::string& text) {
    for (const std::string& part : Parts(text)) {
        if (part.empty())
            return false;
        for (const char c : part)
            if (c < '0' || c > '9')
                return false;
    }
    return true;
}

int CompareVersions(const std::string& a, const std::string& b) {
    const std::vector<std::string> x = Parts(a);
    const std::vector<std::string> y = Parts(b);
    for (size_t i = 0; i < x.size() || i < y.size(); ++i) {
        const int order = CompareNumbers(i < x.size() ? x[i] : "0", i < y.size() ? y[i] : "0");
        if (order != 0)
            return order;
    }
    return 0;
}

MajorMinor MajorMinorOf(const std::string& version) {
    const std::vector<std::string> parts = Parts(version);
    MajorMinor result;
    result.Major = PartValue(parts[0]);
    if (parts.size() > 1)
        result.Minor = PartValue(parts[1]);
    return result;
}
