// Print in the list editor, in-process: the printing popup and its counter,
// and what the printout is made from at the moment the print dialog comes
// up (the hidden document with its text and formats, no print file, the
// editor waiting); Print on an empty list does nothing. The printer's side
// is checked end to end (print_e2e_test).
#include <richedit.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ids.h"
#include "installation.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "progresswindow.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"

namespace {

// What was seen while Print ran.
struct Seen {
    std::vector<std::wstring> counters;
    bool popupMade = false;
    SIZE popupSize{};
    std::wstring popupTitle;
    int dialogs = 0;
    // At the print dialog:
    bool popupStillOpen = true, printFileThere = true, editorEnabled = true;
    std::wstring documentClass, documentText;
    RECT documentRect{};
    bool documentVisible = true;
    CHARFORMATW heading{}, headword{}, translation{};
};
Seen seen;
HHOOK hook = nullptr;
HWND editor = nullptr;

CHARFORMATW formatAt(HWND document, LONG position) {
    CHARRANGE one{position, position + 1};
    SendMessageW(document, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(document, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

void lookAtThePrintout() {
    HWND document = GetDlgItem(editor, IDC_PRINT_DOCUMENT);
    seen.popupStillOpen = FindWindowW(L"printing", nullptr) != nullptr;
    seen.printFileThere = GetFileAttributesA("list.prt") != INVALID_FILE_ATTRIBUTES;
    seen.editorEnabled = IsWindowEnabled(editor);
    if (!document) return;
    wchar_t cls[32] = {};
    GetClassNameW(document, cls, 32);
    seen.documentClass = cls;
    GetWindowRect(document, &seen.documentRect);
    seen.documentVisible = IsWindowVisible(document);
    // In UTF-16 whatever the window's character width: the letters of every
    // code page survive.
    std::wstring text(1 << 16, L'\0');
    GETTEXTEX how{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                  nullptr};
    text.resize(
        static_cast<size_t>(SendMessageW(document, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                         reinterpret_cast<LPARAM>(&text[0]))));
    seen.documentText = text;
    const LONG secondLine = static_cast<LONG>(text.find(L"\r\n\r\n")) + 4;
    seen.heading = formatAt(document, 40);
    seen.headword = formatAt(document, secondLine);
    seen.translation = formatAt(document, secondLine + 38);
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    HWND w = reinterpret_cast<HWND>(wParam);
    wchar_t cls[64] = {};
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (HIWORD(reinterpret_cast<UINT_PTR>(cs->lpszClass)) &&
            std::wstring(cs->lpszClass) == L"printing") {
            seen.popupMade = true;
            seen.popupSize = {cs->cx, cs->cy};
            seen.popupTitle = cs->lpszName ? cs->lpszName : L"";
        }
    } else if (code == HCBT_ACTIVATE && GetClassNameW(w, cls, 64) &&
               std::wstring(cls) == L"#32770") {
        // The print dialog (or, without a printer, the system's word on
        // it): look, then cancel.
        if (seen.dialogs++ == 0) lookAtThePrintout();
        PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void counted(const std::wstring& line) { seen.counters.push_back(line); }

int noBox(HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; }

class PrintListTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        seen = Seen{};
        setCounterObserver(counted);
        setMessageBoxRecorder(noBox);
        hook = SetWindowsHookExW(WH_CBT, watch, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        if (editor && IsWindow(editor)) DestroyWindow(editor);
        if (mainWindow()) DestroyWindow(mainWindow());
        UnhookWindowsHookEx(hook);
        setCounterObserver(nullptr);
        setMessageBoxRecorder(nullptr);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }

    // Russian-English with the list "verbs" holding `list`; the editor open.
    void openEditor(const std::vector<test::Entry>& list) {
        test::InstallationSetup setup;
        setup.items = {"Russian,russian,204"};
        setup.selected = "Rus_Eng.wb";
        test::prepareInstallation(setup);
        test::makeFolders("list\\verbs");
        test::writeWordFile("list\\verbs\\Rus_Eng.ls", list);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        SendMessageW(mainWindow(), WM_COMMAND, IDM_LIST_EDITOR, 0);
        editor = FindWindowW(L"lijst", nullptr);
        ASSERT_NE(editor, nullptr);
    }
    void print() { SendMessageW(editor, WM_COMMAND, IDC_PRINT, 0); }
};

std::vector<test::Entry> words(int n) {
    std::vector<test::Entry> list;
    for (int i = 0; i < n; ++i) list.push_back({"\xEA\xEE\xF2" + std::to_string(i), "cat"});
    return list;
}

TEST_F(PrintListTest, TheDocumentIsReadyWhenTheDialogComesAndGoneAfter) {
    openEditor(words(12));
    print();

    EXPECT_TRUE(seen.popupMade);
    EXPECT_EQ(seen.popupSize.cx, 300);
    EXPECT_EQ(seen.popupSize.cy, 110);
    EXPECT_EQ(seen.popupTitle, L"Print");
    EXPECT_EQ(seen.counters, (std::vector<std::wstring>{L"Word 0", L"Word 10"}));

    ASSERT_EQ(seen.dialogs, 1);
    EXPECT_FALSE(seen.popupStillOpen);
    EXPECT_FALSE(seen.printFileThere);  // deleted before the dialog
    EXPECT_FALSE(seen.editorEnabled);
    EXPECT_EQ(seen.documentClass, L"RICHEDIT");
    EXPECT_FALSE(seen.documentVisible);
    EXPECT_EQ(seen.documentRect.right - seen.documentRect.left, 0);
    // The headwords in Cyrillic (their code page), line ends of two characters.
    EXPECT_EQ(seen.documentText.substr(0, 7), L"Russian");
    EXPECT_NE(seen.documentText.find(L"\r\n\x043A\x043E\x0442"
                                     L"11"),
              std::wstring::npos);
    EXPECT_EQ(seen.documentText.find(L"\x043A\x043E\x0442"
                                     L"0"),
              seen.documentText.find(L"\r\n\r\n") + 4);
    EXPECT_EQ(seen.documentText.substr(seen.documentText.size() - 5), L"cat\r\n");

    EXPECT_TRUE(seen.heading.dwEffects & CFE_BOLD);
    EXPECT_EQ(seen.heading.bCharSet, ANSI_CHARSET);  // "English"
    EXPECT_FALSE(seen.headword.dwEffects & CFE_BOLD);
    EXPECT_EQ(seen.headword.bCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(seen.translation.bCharSet, ANSI_CHARSET);
    EXPECT_STREQ(seen.headword.szFaceName, L"Courier New");

    EXPECT_EQ(GetDlgItem(editor, IDC_PRINT_DOCUMENT), nullptr);
    EXPECT_TRUE(IsWindowEnabled(editor));
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);
}

// A print file that cannot be made (here a folder holds its name): the
// list is printed from memory, and the folder stays as it was.
TEST_F(PrintListTest, APrintFileThatCannotBeWrittenLeavesTheListPrintedFromMemory) {
    openEditor(words(3));
    test::makeFolders("list.prt");
    print();
    ASSERT_EQ(seen.dialogs, 1);
    EXPECT_EQ(std::count(seen.documentText.begin(), seen.documentText.end(), L'\n'), 5);
    EXPECT_NE(seen.documentText.find(L"\x043A\x043E\x0442"
                                     L"2"),
              std::wstring::npos);
    EXPECT_EQ(GetFileAttributesA("list.prt"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(PrintListTest, PrintOnAnEmptyListDoesNothing) {
    openEditor({});
    print();
    EXPECT_FALSE(seen.popupMade);
    EXPECT_EQ(seen.dialogs, 0);
    EXPECT_TRUE(seen.counters.empty());
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
