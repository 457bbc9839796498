// Pages, script-defined controls, Next rules and command messages.
#include <algorithm>
#include <map>

#include "checker/CheckFacts.h"
#include "checker/Suggest.h"
#include "script/Numbers.h"
#include "script/PageNames.h"

namespace {

struct ShowStatement {
    const char* command;
    const char* page;
};

const ShowStatement kShows[] = {
    {"ShowWelcome", PageNameWelcome},       {"ShowDest", PageNameDest}, {"ShowSections", PageNameSections},
    {"ShowProgramGroup", PageNameProgramGroup}, {"ShowCopy", PageNameCopy},
};

const std::vector<std::string> kControlTypes = {"CHECKBOX", "CHECKBOX_BTNSTYLE", "OPTION", "OPTION_BTNSTYLE",
                                                "LABEL", "EDIT"};
// Window classes that every Windows has, which authors name on purpose.
const std::vector<std::string> kSystemClasses = {"BUTTON", "STATIC", "EDIT", "LISTBOX", "COMBOBOX", "SCROLLBAR"};

bool Contains(const std::vector<std::string>& list, const std::string& text) {
    for (const std::string& each : list) {
        if (each == text)
            return true;
    }
    return false;
}

std::vector<std::string> PageNames() {
    std::vector<std::string> names;
    for (const ShowStatement& show : kShows)
        names.push_back(show.page);
    return names;
}

class PageCheck {
public:
    PageCheck(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out)
        : places_(places), facts_(facts), out_(out) {
        for (size_t at = 0; at < facts_.Statements.size(); ++at) {
            for (const ShowStatement& show : kShows) {
                if (std::string(facts_.Statements[at].Command->name) == show.command)
                    showings_[show.page].push_back(at);
            }
        }
    }

    void Run() {
        for (size_t at = 0; at < facts_.Statements.size(); ++at) {
            const RunStatement& s = facts_.Statements[at];
            const std::string name = s.Command->name;
            if (name == "AddWindow")
                AddWindow(at, s);
            else if (name == "CheckButton")
                KnownControl(s, 0);
            else if (name == "ShowMessage")
                ShowMessage(s);
            else if (name == "SetNextDynamicState")
                NextRule(at, s);
        }
        Overrides();
    }

private:
    // Position in facts of the first showing of page after position at, or npos.
    size_t NextShowing(size_t at, const std::string& page) const {
        const auto shown = showings_.find(page);
        if (shown == showings_.end())
            return std::string::npos;
        const auto later = std::upper_bound(shown->second.begin(), shown->second.end(), at);
        return later == shown->second.end() ? std::string::npos : *later;
    }

    // A known page that is shown later; reports and answers false otherwise.
    bool PageShownLater(size_t at, const RunStatement& s) {
        const std::string& page = s.Arguments[0];
        const std::vector<std::string> pages = PageNames();
        if (!Contains(pages, page)) {
            out_.push_back(MakeDiagnostic("P301", places_.Argument(s.Index, 0),
                                          Quoted(page) + " is not a page name", NearestName(page, pages)));
            return false;
        }
        if (NextShowing(at, page) == std::string::npos) {
            out_.push_back(MakeDiagnostic("P303", places_.Argument(s.Index, 0),
                                          "page " + Quoted(page) + " is not shown after this statement"));
            return false;
        }
        return true;
    }

    void AddWindow(size_t at, const RunStatement& s) {
        PageShownLater(at, s);
        const std::string& type = s.Arguments[2];
        if (!Contains(kControlTypes, type) && !Contains(kSystemClasses, type))
            out_.push_back(MakeDiagnostic("P304", places_.Argument(s.Index, 2),
                                          "control type " + Quoted(type) + " is taken as a window class name",
                                          NearestName(type, kControlTypes)));
    }

    // The control named by argument n, or null after reporting it.
    const DynamicControl* KnownControl(const RunStatement& s, size_t n) {
        const std::string& name = s.Arguments[n];
        std::vector<std::string> names;
        for (const DynamicControl& control : facts_.State.Controls) {
            if (control.Name == name)
                return &control;
            names.push_back(control.Name);
        }
        out_.push_back(MakeDiagnostic("P302", places_.Argument(s.Index, n),
                                      "no AddWindow creates a control named " + Quoted(name), NearestName(name, names)));
        return nullptr;
    }

    void ShowMessage(const RunStatement& s) {
        const std::string& mode = s.Arguments[3];
        if (mode == "NOW")
            return;
        if (mode != "COMMAND") {
            out_.push_back(MakeDiagnostic("P306", places_.Argument(s.Index, 3),
                                          "mode " + Quoted(mode) + " is neither NOW nor COMMAND; the message is never shown",
                                          NearestName(mode, {"NOW", "COMMAND"})));
            return;
        }
        const DynamicControl* control = KnownControl(s, 2);
        if (control && control->Type == "LABEL")
            out_.push_back(MakeDiagnostic("P306", places_.Argument(s.Index, 2),
                                          "a LABEL is never clicked; the message is never shown"));
    }

    void NextRule(size_t at, const RunStatement& s) {
        if (!PageShownLater(at, s))
            return;
        const std::vector<std::string>& a = s.Arguments;
        if (a[0] == PageNameCopy)
            return NoEffect(s, 0, "the copy page has no Next button; this rule has no effect");
        if (a[1] == "VARIABLE") {
            if (!facts_.State.Variables.IsAssigned(a[2]))
                out_.push_back(MakeDiagnostic("V201", places_.Argument(s.Index, 2),
                                              "no statement sets variable " + Quoted(a[2]) + "; the rule compares an empty value"));
            return Effective(at, s);
        }
        if (a[1] != "CONTROL")
            return NoEffect(s, 1, "kind " + Quoted(a[1]) + " is neither CONTROL nor VARIABLE; this rule has no effect",
                            NearestName(a[1], {"CONTROL", "VARIABLE"}));
        if (a[3] != "VALUE" && a[3] != "TEXT")
            return NoEffect(s, 3, Quoted(a[3]) + " is neither VALUE nor TEXT; this rule has no effect",
                            NearestName(a[3], {"VALUE", "TEXT"}));
        const DynamicControl* control = KnownControl(s, 2);
        if (!control)
            return;
        if (control->PageName != a[0])
            out_.push_back(MakeDiagnostic("P302", places_.Argument(s.Index, 2),
                                          "control " + Quoted(a[2]) + " is on " + Quoted(control->PageName) +
                                              ", not on " + Quoted(a[0]) + "; there it reads as unchecked and empty"));
        if (a[3] == "VALUE") {
            CheckNumber('n', a[4], places_.Argument(s.Index, 4), out_);
            const int state = ReadNumber(a[4]);
            if (state < 0 || state > 2)
                out_.push_back(MakeDiagnostic("S104", places_.Argument(s.Index, 4),
                                              "a check state is 0, 1 or 2; Next never follows " + Quoted(a[4])));
        }
        Effective(at, s);
    }

    void NoEffect(const RunStatement& s, size_t n, const std::string& message, const std::string& suggestion = "") {
        out_.push_back(MakeDiagnostic("P307", places_.Argument(s.Index, n), message, suggestion));
    }

    void Effective(size_t at, const RunStatement& s) { rules_.push_back({at, &s}); }

    // The last rule evaluated decides, so a rule that another rule for the
    // same page follows before that page is next shown never counts.
    // Rules are in script order, so only the next rule for the same page
    // can come before that page's next showing.
    void Overrides() {
        std::map<std::string, size_t> nextRule; // page -> the rule after the one at hand
        for (size_t i = rules_.size(); i-- > 0;) {
            const std::string& page = rules_[i].second->Arguments[0];
            const auto next = nextRule.find(page);
            if (next != nextRule.end() && rules_[next->second].first < NextShowing(rules_[i].first, page)) {
                const size_t later = rules_[next->second].second->Index;
                out_.push_back(MakeDiagnostic("P305", places_.Name(rules_[i].second->Index),
                                              "the rule on line " + std::to_string(places_.Name(later).Begin.Line) +
                                                  " for the same page is evaluated after this one and decides alone"));
            }
            nextRule[page] = i;
        }
    }

    const ScriptPlaces& places_;
    const RunFacts& facts_;
    Diagnostics& out_;
    std::vector<std::pair<size_t, const RunStatement*>> rules_;
    std::map<std::string, std::vector<size_t>> showings_; // positions in facts, rising
};

} // namespace

void CheckPages(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out) {
    PageCheck(places, facts, out).Run();
}
