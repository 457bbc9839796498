// Helpers for the tests of the wizard pages: a fresh SetupState, message
// boxes answered automatically, and pages run modally or modelessly.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "script/PageNames.h"
#include "script/SetupState.h"

namespace page_test {

// Starts from a fresh SetupState whose Instance is this test program, which
// carries setup.exe's resources.
void ResetSetupState();

// A test of pages: a fresh SetupState, and the page it left open destroyed.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSetupState(); }
    void TearDown() override {
        if (IsWindow(page_))
            DestroyWindow(page_);
    }
    HWND page_ = nullptr;
};

struct SeenMessageBox {
    std::string Text;
    std::string Caption;
    HWND Owner = nullptr;
    bool HasOk = false;
    bool HasYesNo = false;
    bool HasCancel = false;
    bool HasIcon = false;
};

// While alive, every message box that this thread opens is recorded and
// answered with the next of the answers (IDOK once they are used up).
// A box counts as a message box when it is a dialog other than the
// current page. Boxes that keep coming (more than kMaxMessageBoxes) mean
// a page shows them without end: the page is then disabled, so that the
// focus cannot bounce back to it, and ended with kPageLeftOpen.
constexpr size_t kMaxMessageBoxes = 20;
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::vector<int> answers = {});
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    const std::vector<SeenMessageBox>& Seen() const { return seen_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
    std::vector<int> answers_;
    std::vector<SeenMessageBox> seen_;
};

using PageStep = std::function<void(HWND page)>;

constexpr INT_PTR kPageLeftOpen = 4242;

// Which procedure runs a page's template: the shared hook alone under the
// page's name, which the framework's tests use so that the pages' own
// behaviour (copying, paths, folders) stays out of their way, or the
// page's own procedure from the page table.
enum class Procedure { HookOnly, PageTable };

// Runs the page modally (no owner) and performs the steps one at a time
// from a timer while its modal loop runs; a step that opens a message box
// finishes before the next begins. A page still open two seconds after the
// last step is ended with kPageLeftOpen.
INT_PTR RunPage(PageTemplate page, std::vector<PageStep> steps, Procedure procedure = Procedure::HookOnly);

// Creates the page modelessly, shown on screen only when asked (hiding a
// shown window makes Wine wait for a window manager that is not there);
// destroying the returned window closes it.
enum class Shown { No, Yes };
HWND OpenPage(PageTemplate page, Shown shown = Shown::No, Procedure procedure = Procedure::HookOnly);

// Whether the control itself carries WS_VISIBLE, whether or not its page is
// on screen.
bool HasVisibleStyle(HWND control);

// Dispatches the messages waiting for this thread (posted quit requests
// stay in the queue).
void PumpMessages();

// Whether a quit request is waiting, and its code; removes it.
bool TakeQuitRequest(int& code);

// Window text through the ANSI call, as the program reads it.
std::string TextOf(HWND window);

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);

// The rectangle of a template given in dialog units, in the page's pixels.
RECT DialogUnitsToPixels(HWND page, int x, int y, int width, int height);

}
