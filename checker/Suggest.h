// Near spellings for names that match nothing.
#pragma once
#include <string>
#include <vector>

// The candidate equal to name but for case, else the one closest to it in
// spelling, else one that holds name or that name holds; empty
// when none is near.
std::string NearestName(const std::string& name, const std::vector<std::string>& candidates);

// NearestName of one name over a list that only grows at its end (the
// variables known so far): each candidate is looked at once, however often
// the name is asked about.
class NearestNameSearch {
public:
    explicit NearestNameSearch(const std::string& name);
    // NearestName(name, candidates), where candidates extends the list of
    // the previous call.
    std::string Over(const std::vector<std::string>& candidates);

private:
    std::string name_;
    std::string lowered_;
    size_t seen_ = 0;
    std::string exact_;
    std::string best_;
    size_t bestDistance_;
    std::string containing_; // the first that holds name or that name holds
};

bool EqualIgnoringCase(const std::string& a, const std::string& b);
