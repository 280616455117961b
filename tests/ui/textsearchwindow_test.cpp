// The text-file search window opened from the real main window in a
// prepared installation: texts loaded through the open-file dialog and from
// the clipboard, words picked by clicks and keys in the text box and looked
// up in the three rows, the pair switched from the background.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "appsettings.h"
#include "controltable.h"
#include "ids.h"
#include "installation.h"
#include "loadedtext.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "pump.h"
#include "startup.h"
#include "testsupport.h"
#include "textsearchwindow.h"
#include "toolwindow.h"
#include "windowtext.h"
#include "wordstore.h"

namespace {

std::vector<std::wstring> messages;
int recordMessage(HWND, const std::wstring& text, const std::wstring&, UINT) {
    messages.push_back(text);
    return IDOK;
}

// What the next open-file dialog is answered with, and what it offered.
std::wstring dialogAnswer;
std::wstring offeredFileType;
void CALLBACK answerOpenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    offeredFileType = windowText(GetDlgItem(dialog, 1136));  // the file-type box
    SetWindowTextW(GetDlgItem(dialog, 1148), dialogAnswer.c_str());
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

// Puts a block on the clipboard from another window, as it is: the block
// may hold more than its text.
void putOnClipboard(UINT format, const void* data, size_t bytes) {
    static HWND other = CreateWindowW(L"STATIC", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), data, bytes);
    GlobalUnlock(block);
    OpenClipboard(other);
    EmptyClipboard();
    SetClipboardData(format, block);
    CloseClipboard();
}

class TextSearchWindowTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND window = nullptr;

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        messages.clear();
        setMessageBoxRecorder(recordMessage);
    }
    void TearDown() override {
        if (window && IsWindow(window)) DestroyWindow(window);
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    // The French words of the texts below, then fillers x00 .. x19.
    void open(test::InstallationSetup setup = {}, std::vector<WordRecord> extra = {}) {
        test::prepareInstallation(setup);
        std::vector<WordRecord> records;
        for (const char* w :
             {"abri", "bonjour", "chat", "homme", "l'homme", "monde", "self-made", "vieux"})
            records.push_back(makeRecord(w, std::string("en-") + w));
        for (WordRecord& r : extra) records.push_back(r);
        for (int i = 0; i < 20; ++i) {
            char h[8];
            std::snprintf(h, sizeof h, "x%02d", i);
            records.push_back(makeRecord(h, "filler"));
        }
        test::writeRecords("language\\Fre_Eng.wb", records);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        SendMessageW(mainWindow(), WM_COMMAND, IDM_TEXT_SEARCH, 0);
        window = FindWindowW(L"vertaal", nullptr);
        ASSERT_NE(window, nullptr);
    }
    HWND item(int id) { return GetDlgItem(window, id); }
    std::wstring text(int id) { return windowText(item(id)); }
    // Loads a file through File > Open textfile and its dialog.
    void loadFile(const std::string& name, const std::string& bytes) {
        test::writeBytes(name, bytes);
        choose(name);
    }
    void choose(const std::string& name) {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(std::wstring(name.begin(), name.end()).c_str(), MAX_PATH, full, nullptr);
        dialogAnswer = full;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, answerOpenDialog);
        SendMessageW(window, WM_COMMAND, IDM_OPEN_TEXT_FILE, 0);
        KillTimer(nullptr, timer);
    }
    // A click with the mouse on the character at an index of the text box.
    void clickAt(size_t index) {
        LRESULT at = SendMessageW(item(IDC_TEXT_BOX), EM_POSFROMCHAR, index, 0);
        LPARAM point = MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2);
        SendMessageW(item(IDC_TEXT_BOX), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(item(IDC_TEXT_BOX), WM_LBUTTONUP, 0, point);
    }
    void pressKey(UINT vk) {
        SendMessageW(item(IDC_TEXT_BOX), WM_KEYDOWN, vk, 0);
        SendMessageW(item(IDC_TEXT_BOX), WM_KEYUP, vk, 0xC0000001);
    }
    DWORD caret() {
        DWORD start = 0, end = 0;
        SendMessageW(item(IDC_TEXT_BOX), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start;
    }
    void scroll(UINT code, int position = 0) {
        SendMessageW(window, WM_VSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(item(IDC_SCROLL_BAR)));
    }
};

TEST_F(TextSearchWindowTest, OpensAsTheToolWindowOfCommand9) {
    open();
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 630);
    EXPECT_EQ(r.bottom - r.top, 362 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(windowText(window), L"Search words in textfile");
    wchar_t menuText[64];
    GetMenuStringW(GetMenu(window), IDM_PASTE_TEXT, menuText, 64, MF_BYCOMMAND);
    EXPECT_STREQ(menuText, L"&Paste text from clipboard");
    const LONG box = GetWindowLongW(item(IDC_TEXT_BOX), GWL_STYLE);
    EXPECT_EQ(box & (ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL);
    EXPECT_EQ(text(IDC_TEXT_BOX), L"");
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    // Three rows, the first records, no fourth.
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"abri");
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION + 2), L"en-chat");
    EXPECT_EQ(item(IDC_FIRST_HEADWORD + 3), nullptr);
    EXPECT_EQ(controlRect(item(IDC_SCROLL_BAR)).bottom, 40 + 69);
    int low = 0, high = 0;
    GetScrollRange(item(IDC_SCROLL_BAR), SB_CTL, &low, &high);
    EXPECT_EQ(high, (28 - 3) / 10);
    // Typing and the keys of the search field work as in the search window.
    SetWindowTextW(item(IDC_SEARCH_FIELD), L"x1");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"x10");
    SendMessageW(item(IDC_SEARCH_FIELD), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"x11");
    SendMessageW(item(IDC_SEARCH_FIELD), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"abri");
}

TEST_F(TextSearchWindowTest, ClicksAndKeysInTheTextPickTheWordAtTheCaret) {
    open();
    const std::string bytes = "Bonjour\r\n\x81\x8d\x90 l'homme, self-made monde2chat abri.";
    loadFile("words.txt", bytes);
    EXPECT_EQ(offeredFileType, L"Text Files (*.TXT)");
    EXPECT_EQ(GetFocus(), item(IDC_TEXT_BOX));
    EXPECT_EQ(textSearchWindowView().loadedTextSize, static_cast<int32_t>(bytes.size()));
    // One character for each byte, line ends as they are.
    EXPECT_EQ(GetWindowTextLengthW(item(IDC_TEXT_BOX)), static_cast<int>(bytes.size()));
    clickAt(bytes.find("homme") + 2);
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"l'homme");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"l'homme");
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION), L"en-l'homme");
    clickAt(bytes.find("made"));
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"self-made");
    clickAt(bytes.find("2chat") - 1);  // the letters on the caret's side of the digit
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"monde");
    clickAt(bytes.find("chat"));
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"chat");
    clickAt(bytes.find(" monde"));  // just after a word's last letter: nothing
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"chat");
    clickAt(0);  // the word at the start of the text
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"Bonjour");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"bonjour");
    // A key release picks the word the key moved the caret to.
    clickAt(bytes.find("abri") - 2);
    pressKey(VK_RIGHT);
    pressKey(VK_RIGHT);
    EXPECT_EQ(caret(), bytes.find("abri"));
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"abri");
    EXPECT_EQ(textSearchWindowView().lastPickedWord, "abri");
}

TEST_F(TextSearchWindowTest, TheSameWordAgainLeavesAScrolledViewAlone) {
    open();
    const std::string bytes = "chat et chat, homme";
    loadFile("same.txt", bytes);
    clickAt(1);
    EXPECT_EQ(textSearchWindowView().topIndex, 2);
    scroll(SB_LINEDOWN);
    scroll(SB_LINEDOWN);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"l'homme");
    clickAt(bytes.rfind("chat") + 2);  // the same word elsewhere: not looked up
    EXPECT_EQ(textSearchWindowView().topIndex, 4);
    clickAt(bytes.find("homme"));
    EXPECT_EQ(textSearchWindowView().topIndex, 3);
    clickAt(bytes.rfind("chat"));  // another word in between: looked up again
    EXPECT_EQ(textSearchWindowView().topIndex, 2);
    // The scroll rules of three rows: pages of three, the thumb in tens.
    scroll(SB_PAGEDOWN);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"monde");
    scroll(SB_THUMBPOSITION, 2);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"x12");
    scroll(SB_THUMBPOSITION, 9);  // the last page stays full
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"x17");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD + 2), L"x19");
}

TEST_F(TextSearchWindowTest, ARecordMarkedDeletedShowsItsTexts) {
    WordRecord marked = makeRecord("vilain", "en-vilain");
    marked.deleted = 1;
    open({}, {marked});
    loadFile("deleted.txt", "un vilain chat");
    clickAt(4);
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"vilain");
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION), L"en-vilain");
}

TEST_F(TextSearchWindowTest, ThePairSwitchKeepsTheTextAndForgetsTheLastWord) {
    test::InstallationSetup setup;
    setup.items = {"French,french,0", "Russian,russian,204"};
    open(setup);
    // Russian words in their code page (1251): aist, dom, les, mir, nos, slovo.
    test::writeWordFile("language\\Rus_Eng.wb", {{"\xE0\xE8\xF1\xF2", "stork"},
                                                 {"\xE4\xEE\xEC", "house"},
                                                 {"\xEB\xE5\xF1", "forest"},
                                                 {"\xEC\xE8\xF0", "world"},
                                                 {"\xED\xEE\xF1", "nose"},
                                                 {"\xF1\xEB\xEE\xE2\xEE", "word"}});
    const std::string bytes = "one \xEC\xE8\xF0 two";
    loadFile("russian.txt", bytes);
    clickAt(5);
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"\u00EC\u00E8\u00F0");  // read as Western text
    // Russian-English from the Language menu popped up on the background.
    for (UINT k : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(window, WM_KEYDOWN, k, 0);
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(300, 297));
    ASSERT_STREQ(currentPair()->name, "Russian");
    EXPECT_EQ(text(IDC_TEXT_BOX), L"one \u043C\u0438\u0440 two");  // the same bytes, now Cyrillic
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"\u0430\u0438\u0441\u0442");
    EXPECT_EQ(textSearchWindowView().lastPickedWord, "");
    EXPECT_EQ(appSettings.dictionaryDirty, 0);
    clickAt(5);  // the word picked last is looked up again, in the new dictionary
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"\u043C\u0438\u0440");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD), L"\u043C\u0438\u0440");
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION), L"world");
}

TEST_F(TextSearchWindowTest, PastedTextEndsAtItsNulInsideALargerBlock) {
    open();
    wchar_t block[64] = L"le chat\u20AC";
    std::wcscpy(block + 10, L"bonjour");  // after the NUL: not part of the text
    putOnClipboard(CF_UNICODETEXT, block, sizeof block);
    SendMessageW(window, WM_COMMAND, IDM_PASTE_TEXT, 0);
    EXPECT_EQ(text(IDC_TEXT_BOX), L"le chat\u20AC");  // the euro sign is in code page 1252
    EXPECT_EQ(GetFocus(), item(IDC_TEXT_BOX));
    EXPECT_EQ(textSearchWindowView().loadedTextSize, static_cast<int32_t>(sizeof block));
    clickAt(4);
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"chat\u20AC");
    // A character the code page lacks arrives as "?", which ends a word.
    const wchar_t cyrillic[] = L"\u043C chat";
    putOnClipboard(CF_UNICODETEXT, cyrillic, sizeof cyrillic);
    SendMessageW(window, WM_COMMAND, IDM_PASTE_TEXT, 0);
    EXPECT_EQ(text(IDC_TEXT_BOX), L"? chat");
    // A picture is no text: nothing changes.
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, picture);
    CloseClipboard();
    SendMessageW(window, WM_COMMAND, IDM_PASTE_TEXT, 0);
    EXPECT_EQ(text(IDC_TEXT_BOX), L"? chat");
}

TEST_F(TextSearchWindowTest, FilesThatCannotBeShownLeaveTheTextAsItWas) {
    open();
    loadFile("first.txt", "chat");
    test::writeBytes("locked.txt", "locked");
    HANDLE lock = CreateFileW(L"locked.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    choose("locked.txt");  // cannot be opened: nothing happens
    CloseHandle(lock);
    EXPECT_EQ(text(IDC_TEXT_BOX), L"chat");
    EXPECT_TRUE(messages.empty());
    loadFile("large.txt", std::string(kMaxLoadedTextSize + 1, 'a'));
    EXPECT_EQ(text(IDC_TEXT_BOX), L"chat");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], L"This file is too large to be shown (more than 4 MB).   ");
    loadFile("empty.txt", "");
    EXPECT_EQ(text(IDC_TEXT_BOX), L"");
    clickAt(0);
    EXPECT_EQ(textSearchWindowView().lastPickedWord, "");
}

TEST_F(TextSearchWindowTest, FocusMemoryAndClosing) {
    open();
    loadFile("focus.txt", "chat");
    EXPECT_EQ(GetFocus(), item(IDC_TEXT_BOX));
    SetFocus(nullptr);
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), item(IDC_TEXT_BOX));
    SetFocus(item(IDC_FIRST_HEADWORD));  // a row is not remembered
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), item(IDC_TEXT_BOX));
    SetFocus(item(IDC_SEARCH_FIELD));
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    SendMessageW(window, WM_COMMAND, IDC_DONE, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_NE(savedPosition(PositionKind::Translate).top, kNoSavedPosition);
}

}  // namespace
