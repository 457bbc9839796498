// The dialog templates and the picture in the resources: the common page
// frame, texts with bytes above 0x7F, fonts and the resource languages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "resources/resource.h"
#include "wizard/ProcessState_win.h"

using namespace page_test;

namespace {

struct TemplateHeader {
    DWORD Style = 0;
    int Width = 0;
    int Height = 0;
    std::string Title;
    int PointSize = 0;
    std::string Font;
};

// Reads a UTF-16 string of a template (ASCII texts only here), moving on.
std::string ReadTemplateString(const WORD*& at) {
    std::string text;
    if (*at == 0xFFFF) { // an ordinal instead of a string
        at += 2;
        return text;
    }
    while (*at)
        text += static_cast<char>(*at++);
    ++at;
    return text;
}

TemplateHeader ReadTemplate(int id, WORD language) {
    TemplateHeader header;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_DIALOG), MAKEINTRESOURCEA(id), language);
    if (!found)
        return header;
    const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
    header.Style = dialog->style;
    header.Width = dialog->cx;
    header.Height = dialog->cy;
    const WORD* at = reinterpret_cast<const WORD*>(dialog + 1);
    ReadTemplateString(at); // menu
    ReadTemplateString(at); // class
    header.Title = ReadTemplateString(at);
    if (header.Style & DS_SETFONT) {
        header.PointSize = *at++;
        header.Font = ReadTemplateString(at);
    }
    return header;
}

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

class PageTemplates : public PageTest {};

TEST_F(PageTemplates, WizardPagesShareTheFrameAndTheButtonRow) {
    const struct {
        PageTemplate page;
        const char* title;
        bool lastDisabled;
    } pages[] = {{PageTemplate::Welcome, "Welcome to Orlisk 1.0", true},
                 {PageTemplate::Dest, "Welcome to Orlisk 1.0", false},
                 {PageTemplate::Sections, "Welcome to Orlisk 1.0", false},
                 {PageTemplate::ProgramGroup, "Program group", false}};
    for (const auto& p : pages) {
        SCOPED_TRACE(static_cast<int>(p.page));
        const TemplateHeader header = ReadTemplate(static_cast<int>(p.page), kEnglish);
        EXPECT_EQ(header.Style, 0x80C808C0u);
        EXPECT_EQ(header.Width, 323);
        EXPECT_EQ(header.Height, 188);
        EXPECT_EQ(header.Title, p.title);
        EXPECT_EQ(header.PointSize, 8);
        EXPECT_EQ(header.Font, "Tahoma");

        page_ = OpenPage(p.page);
        ASSERT_TRUE(page_);
        const struct {
            int id;
            const char* text;
            int x;
        } buttons[] = {{IDC_NEXT, "Next", 257}, {IDC_CANCEL, "Cancel", 120}, {IDC_LAST, "Last", 188}};
        for (const auto& b : buttons) {
            HWND button = GetDlgItem(page_, b.id);
            ASSERT_TRUE(button) << b.text;
            EXPECT_EQ(TextOf(button), b.text);
            const RECT expected = DialogUnitsToPixels(page_, b.x, 170, 59, 14);
            const RECT actual = RectInParent(button);
            EXPECT_TRUE(EqualRect(&expected, &actual))
                << b.text << " " << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom
                << " expected " << expected.left << "," << expected.top << "," << expected.right << ","
                << expected.bottom;
        }
        const LONG nextStyle = GetWindowLongA(GetDlgItem(page_, IDC_NEXT), GWL_STYLE);
        EXPECT_EQ(nextStyle & 0xF, BS_DEFPUSHBUTTON);
        EXPECT_TRUE(HasVisibleStyle(GetDlgItem(page_, IDC_NEXT)));
        EXPECT_TRUE(HasVisibleStyle(GetDlgItem(page_, IDC_CANCEL)));
        EXPECT_FALSE(HasVisibleStyle(GetDlgItem(page_, IDC_LAST)));
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(page_, IDC_LAST)) == FALSE, p.lastDisabled);
        DestroyWindow(page_);
    }
}

TEST_F(PageTemplates, PagesAskForTahomaEight) {
    // Which face the system then uses depends on the fonts installed; the
    // end-to-end scenarios install Tahoma and check the layout it gives.
    page_ = OpenPage(PageTemplate::Welcome);
    ASSERT_TRUE(page_);
    LOGFONTA described{};
    ASSERT_TRUE(GetObjectA(static_cast<HFONT>(TheState().DialogFont), sizeof(described), &described));
    EXPECT_STREQ(described.lfFaceName, "Tahoma");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(described.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

TEST_F(PageTemplates, WelcomeTextsSitInTheirRectangles) {
    page_ = OpenPage(PageTemplate::Welcome);
    ASSERT_TRUE(page_);
    const RECT text = DialogUnitsToPixels(page_, 135, 21, 181, 114);
    const RECT text2 = DialogUnitsToPixels(page_, 135, 65, 181, 75);
    const RECT actual = RectInParent(GetDlgItem(page_, IDC_WELCOME_TEXT));
    const RECT actual2 = RectInParent(GetDlgItem(page_, IDC_WELCOME_TEXT2));
    EXPECT_TRUE(EqualRect(&text, &actual));
    EXPECT_TRUE(EqualRect(&text2, &actual2));
    EXPECT_EQ(GetWindowLongA(GetDlgItem(page_, IDC_WELCOME_TEXT), GWL_STYLE) & (WS_GROUP | SS_TYPEMASK),
              WS_GROUP | SS_LEFT);
}

TEST_F(PageTemplates, ProgramGroupHintKeepsItsAcuteAccentByte) {
    page_ = OpenPage(PageTemplate::ProgramGroup);
    ASSERT_TRUE(page_);
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_UNUSED & 0xFFFF)),
              "It is recommended that you don\xB4t change the default. This is the most convenient methode.");
}

TEST_F(PageTemplates, CopyPageHasCancelOnlyAndNoTitle) {
    const TemplateHeader header = ReadTemplate(IDD_COPY, kEnglish);
    EXPECT_EQ(header.Style, DWORD(WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(header.Width, 187);
    EXPECT_EQ(header.Height, 107);
    EXPECT_EQ(header.Title, "");
    EXPECT_EQ(header.Font, "Tahoma");
    page_ = OpenPage(PageTemplate::Copy);
    ASSERT_TRUE(page_);
    EXPECT_EQ(GetDlgItem(page_, IDC_NEXT), nullptr);
    EXPECT_EQ(GetDlgItem(page_, IDC_LAST), nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_CANCEL)), "Cancel");
    char progressClass[32] = "";
    GetClassNameA(GetDlgItem(page_, IDC_COPY_SECTION_BAR), progressClass, sizeof(progressClass));
    EXPECT_EQ(0, _stricmp(progressClass, PROGRESS_CLASSA));
}

TEST_F(PageTemplates, InstallationQuestionsUseMsSansSerifAndTheOverwriteOneIsGerman) {
    const TemplateHeader conflict = ReadTemplate(IDD_LANGUAGE_CONFLICT, kEnglish);
    EXPECT_EQ(conflict.Title, "Different languages/codepages");
    EXPECT_EQ(conflict.Font, "MS Sans Serif");
    EXPECT_EQ(conflict.PointSize, 8);
    EXPECT_EQ(conflict.Width, 187);
    EXPECT_EQ(conflict.Height, 170);
    EXPECT_TRUE(conflict.Style & WS_SYSMENU) << "close box";

    EXPECT_EQ(ReadTemplate(IDD_OVERWRITE, kEnglish).Title, "") << "no English overwrite dialog";
    const TemplateHeader overwrite = ReadTemplate(IDD_OVERWRITE, kGerman);
    EXPECT_EQ(overwrite.Title, "Overwrite file");
    EXPECT_EQ(overwrite.Font, "MS Sans Serif");
    EXPECT_EQ(overwrite.Width, 221);
    EXPECT_EQ(overwrite.Height, 73);
    EXPECT_EQ(overwrite.Style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), DWORD(WS_CAPTION | DS_MODALFRAME));
}

TEST_F(PageTemplates, WelcomePictureIsAnUncompressed24BitBitmapOf100By200) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDB_WELCOME), reinterpret_cast<LPCSTR>(RT_BITMAP));
    ASSERT_TRUE(found);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
    EXPECT_EQ(info->biWidth, 100);
    EXPECT_EQ(info->biHeight, 200);
    EXPECT_EQ(info->biBitCount, 24);
    EXPECT_EQ(info->biCompression, DWORD(BI_RGB));
}

} // namespace
