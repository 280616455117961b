// The practice-list editor opened from the real main window in a prepared
// installation, driven with messages: adding and marking words, closing,
// the search box and scroll bars, Add all, Remove all, Add random, and the
// lists created, chosen and deleted through the new-list dialog and the
// Lists menu. Files are compared byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "appsettings.h"
#include "ids.h"
#include "installation.h"
#include "listeditor.h"
#include "listeditorlayout.h"
#include "listfolders.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "pump.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace {

struct Box {
    std::wstring text, caption;
    UINT flags;
};

// The new-list dialog answered by a script: each time it opens, or shows a
// message and stays open, the next step types its name and presses OK; a
// step without a name (or no step left) presses Cancel.
struct Script {
    std::vector<std::optional<std::wstring>> names;
    size_t next = 0;
    int dialogsOpened = 0;
    HWND dialog = nullptr;
    bool dialogHadFocusInNameBox = false;
    std::vector<Box> boxes;
    std::vector<int> answers;           // for message boxes; IDOK when none is left
    std::vector<std::wstring> created;  // classes of the windows made, in order
    SIZE updatingSize{};
};
Script script;
HHOOK hook = nullptr;

void press(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void nextStep() {
    HWND d = script.dialog;
    const size_t step = script.next++;
    if (step >= script.names.size() || !script.names[step]) return press(d, IDCANCEL);
    SetDlgItemTextW(d, IDC_SEARCH_FIELD, script.names[step]->c_str());
    press(d, IDOK);
    // An empty name shows nothing and leaves the dialog open: the next
    // step follows it in the queue.
    if (script.names[step]->empty()) nextStep();
}

// The first step once the dialog is up and waiting for input.
void CALLBACK firstStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    script.dialogHadFocusInNameBox = GetFocus() == GetDlgItem(script.dialog, IDC_SEARCH_FIELD);
    nextStep();
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    HWND w = reinterpret_cast<HWND>(wParam);
    wchar_t cls[64] = {};
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (HIWORD(reinterpret_cast<UINT_PTR>(cs->lpszClass))) {
            script.created.push_back(cs->lpszClass);
            if (script.created.back() == L"updating") script.updatingSize = {cs->cx, cs->cy};
        }
    } else if (code == HCBT_ACTIVATE && GetClassNameW(w, cls, 64) &&
               std::wstring(cls) == L"#32770" && w != script.dialog) {
        script.dialog = w;
        ++script.dialogsOpened;
        SetTimer(nullptr, 0, 0, firstStep);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

int recordBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    script.boxes.push_back({text, caption, flags});
    if (script.dialog && owner == script.dialog && IsWindow(owner)) nextStep();
    if (script.answers.empty()) return IDOK;
    int answer = script.answers.front();
    script.answers.erase(script.answers.begin());
    return answer;
}

std::string iniValue(const char* key) {
    char value[200] = {};
    GetProfileStringA("Dictionary", key, "(none)", value, sizeof value);
    return value;
}

class ListEditorTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND editor = nullptr;
    const std::string dictionary = "language\\Fre_Eng.wb";

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        script = Script{};
        setMessageBoxRecorder(recordBox);
        hook = SetWindowsHookExW(WH_CBT, watch, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        if (editor && IsWindow(editor)) DestroyWindow(editor);
        if (mainWindow()) DestroyWindow(mainWindow());
        UnhookWindowsHookEx(hook);
        setMessageBoxRecorder(nullptr);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    // The program with a French dictionary of `words` records w100, w101 ..
    // (translations t100 ..), and the lists given as folders.
    void start(int words, const std::vector<std::string>& lists = {"verbs"}) {
        test::prepareInstallation({});
        std::vector<test::Entry> entries;
        for (int i = 0; i < words; ++i)
            entries.push_back({"w" + std::to_string(100 + i), "t" + std::to_string(100 + i)});
        test::writeWordFile(dictionary, entries);
        for (const std::string& list : lists) test::makeFolders("list\\" + list);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    }
    void openEditor() {
        SendMessageW(mainWindow(), WM_COMMAND, IDM_LIST_EDITOR, 0);
        editor = FindWindowW(L"lijst", nullptr);
    }
    void startEditor(int words, const std::vector<std::string>& lists = {"verbs"}) {
        start(words, lists);
        openEditor();
        ASSERT_NE(editor, nullptr);
    }
    HWND item(int id) { return GetDlgItem(editor, id); }
    std::wstring text(int id) {
        wchar_t buffer[160] = {};
        GetWindowTextW(item(id), buffer, 160);
        return buffer;
    }
    void click(int id) { SetFocus(item(id)); }  // a click gives the box the focus
    void command(int id) { SendMessageW(editor, WM_COMMAND, id, 0); }
    void key(UINT vk) { SendMessageW(item(IDC_SEARCH_FIELD), WM_KEYDOWN, vk, 0); }
    void scroll(int bar, UINT code, int position = 0) {
        SendMessageW(editor, WM_VSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(item(bar)));
    }
    std::string listPath(const std::string& list = "verbs") {
        return "list\\" + list + "\\Fre_Eng.ls";
    }
    std::vector<std::string> listWords(const std::string& list = "verbs") {
        std::vector<std::string> words;
        for (const WordRecord& r : test::readRecords(listPath(list))) words.push_back(r.headword);
        return words;
    }
    void writeList(const std::vector<std::string>& words, const std::string& list = "verbs") {
        std::vector<test::Entry> entries;
        for (const std::string& w : words) entries.push_back({w, "x"});
        test::writeWordFile(listPath(list), entries);
    }
    HMENU listsMenu() { return GetSubMenu(GetMenu(editor), 1); }
    std::vector<std::wstring> listsMenuItems() {
        std::vector<std::wstring> items;
        for (int k = 0; k < GetMenuItemCount(listsMenu()); ++k) {
            wchar_t t[160] = {};
            GetMenuStringW(listsMenu(), k, t, 160, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(listsMenu(), k), static_cast<UINT>(IDM_FIRST_LIST + k));
            items.push_back(t);
        }
        return items;
    }
    // The item ids that carry a check mark.
    std::vector<int> checkedItems() {
        std::vector<int> ids;
        for (int k = 0; k < GetMenuItemCount(listsMenu()); ++k)
            if (GetMenuState(listsMenu(), k, MF_BYPOSITION) & MF_CHECKED)
                ids.push_back(static_cast<int>(GetMenuItemID(listsMenu(), k)));
        return ids;
    }
    bool hasClass(const wchar_t* cls) {
        for (const std::wstring& c : script.created)
            if (c == cls) return true;
        return false;
    }
};

RECT childRect(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void expectPlaced(HWND parent, int id, int x, int y, int w, int h) {
    HWND control = GetDlgItem(parent, id);
    ASSERT_NE(control, nullptr) << id;
    RECT r = childRect(parent, control);
    EXPECT_EQ(r.left, x) << id;
    EXPECT_EQ(r.top, y) << id;
    EXPECT_EQ(r.right - r.left, w) << id;
    EXPECT_EQ(r.bottom - r.top, h) << id;
}

void expectGrid(HWND parent, const FieldGrid& grid, int count) {
    for (int i = 0; i < count; ++i)
        expectPlaced(parent, grid.firstId + i, grid.x + grid.stepX * (i % grid.columns),
                     grid.y + grid.stepY * (i / grid.columns), grid.width, grid.height);
}

TEST_F(ListEditorTest, WindowControlsAndOpening) {
    startEditor(30);
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 1);
    wchar_t title[80] = {};
    GetWindowTextW(editor, title, 80);
    EXPECT_STREQ(title, L"Create practice list (French-English)");
    RECT r;
    GetWindowRect(editor, &r);
    const int height = 367 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(r.right - r.left, 625);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 625) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    LONG style = GetWindowLongW(editor, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));

    // Every control where the one table puts it, and the grids' corners
    // where the layout has them.
    ControlTable table = listEditorControls();
    for (size_t i = 0; i < table.count; ++i) {
        const ControlSpec& c = table.specs[i];
        expectPlaced(editor, c.id, c.x, c.y, c.width, c.height);
    }
    for (RecordSource side : {RecordSource::PracticeList, RecordSource::Dictionary}) {
        ResultRowsLayout boxes = listEditorWordBoxes(side);
        expectGrid(editor, boxes.headwords, boxes.view.rows);
        expectPlaced(editor, boxes.scrollBarId, boxes.scrollBar.left, boxes.scrollBar.top,
                     boxes.scrollBar.right, boxes.scrollBar.bottom);
    }
    expectPlaced(editor, 111, 275, 185, 120, 35);  // the list grid's last box
    expectPlaced(editor, 129, 425, 247, 160, 25);  // the last dictionary box
    EXPECT_EQ(text(IDC_DONE), L"Done");
    EXPECT_EQ(text(IDC_ADD_ALL), L"Add all");
    EXPECT_EQ(text(IDC_REMOVE_ALL), L"Remove all");
    EXPECT_EQ(text(IDC_ADD_RANDOM), L"Add random");
    EXPECT_EQ(text(IDC_PRINT), L"Print");
    EXPECT_TRUE(GetWindowLongW(item(120), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    EXPECT_EQ(text(120), L"w100");
    EXPECT_EQ(text(129), L"w109");
    EXPECT_EQ(text(100), L"");
    int low = 0, high = 0;
    GetScrollRange(item(IDC_DICTIONARY_SCROLL), SB_CTL, &low, &high);
    EXPECT_EQ(high, 2);  // (30 - 10) / 10

    // The menu: File, then Lists with the one list checked.
    HMENU bar = GetMenu(editor);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t name[32] = {};
    GetMenuStringW(bar, 1, name, 32, MF_BYPOSITION);
    EXPECT_STREQ(name, L"Lists");
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"verbs"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));
    EXPECT_FALSE(GetMenuState(bar, IDM_DELETE_LIST, MF_BYCOMMAND) & MF_GRAYED);

    // A second tool window does not open; Print on an empty list does nothing.
    SendMessageW(mainWindow(), WM_COMMAND, IDM_LIST_EDITOR, 0);
    SendMessageW(mainWindow(), WM_COMMAND, IDM_SEARCH, 0);
    EXPECT_EQ(FindWindowW(L"zoeken", nullptr), nullptr);
    command(IDC_PRINT);

    // The close box: the position is kept, the main window back.
    SendMessageW(editor, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_EQ(savedPosition(PositionKind::Makelist).left, r.left);
    EXPECT_EQ(savedPosition(PositionKind::Makelist).top, r.top);
    EXPECT_FALSE(hasClass(L"updating"));  // nothing was marked
}

TEST_F(ListEditorTest, AddingTheSameWordTwiceAndMarkingTwice) {
    startEditor(30);
    click(123);
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    click(123);
    EXPECT_EQ(listWords(), (std::vector<std::string>{"w103", "w103"}));
    EXPECT_EQ(text(100), L"w103");
    EXPECT_EQ(text(101), L"w103");
    EXPECT_EQ(wordStore.listCount, 2);
    EXPECT_EQ(test::readRecords(listPath())[0].translation, std::string("t103"));

    click(101);  // marked: shown and written at once
    EXPECT_EQ(text(101), L"DELETED");
    EXPECT_EQ(test::readRecords(listPath())[1].deleted, 1);
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    click(101);  // and restored
    EXPECT_EQ(text(101), L"w103");
    EXPECT_EQ(test::readRecords(listPath())[1].deleted, 0);
    click(105);  // past the list's end: nothing
    EXPECT_EQ(text(105), L"");

    command(IDC_DONE);  // a mark was toggled: the list goes through the update
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(hasClass(L"updating"));
    EXPECT_EQ(script.updatingSize.cx, 350);
    EXPECT_EQ(script.updatingSize.cy, 120);
    EXPECT_EQ(listWords(), (std::vector<std::string>{"w103", "w103"}));
    EXPECT_EQ(FindWindowW(L"updating", nullptr), nullptr);
    EXPECT_FALSE(std::filesystem::exists("list/temp.ls"));
}

TEST_F(ListEditorTest, ClosingRemovesExactlyTheMarkedWordsInOrder) {
    start(30);
    std::vector<std::string> words;
    for (int i = 0; i < 20; ++i) words.push_back("l" + std::to_string(10 + i));
    writeList(words);
    openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(text(100), L"l18");  // the last page: records 8 .. 19
    EXPECT_EQ(text(111), L"l29");
    click(100);  // l18
    click(111);  // l29
    scroll(IDC_SCROLL_BAR, SB_THUMBPOSITION, 0);
    EXPECT_EQ(text(100), L"l10");
    click(101);                            // l11
    SendMessageW(editor, WM_CLOSE, 0, 0);  // the close box applies the marks too
    words.erase(words.begin() + 19);
    words.erase(words.begin() + 8);
    words.erase(words.begin() + 1);
    EXPECT_EQ(listWords(), words);
    EXPECT_EQ(wordStore.listCount, 17);
}

TEST_F(ListEditorTest, DeletedDictionaryRecordIsShownAddedAndDropped) {
    start(5);
    std::vector<WordRecord> records = test::readRecords(dictionary);
    records[2].deleted = 1;
    test::writeRecords(dictionary, records);
    openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(text(122), L"w102");  // the dictionary side shows it as it is
    click(121);
    click(122);
    EXPECT_EQ(text(101), L"DELETED");
    click(100);  // a mark toggled twice: the update runs at closing
    click(100);
    command(IDC_DONE);
    EXPECT_EQ(listWords(), (std::vector<std::string>{"w101"}));
}

TEST_F(ListEditorTest, SearchBoxAndScrollBars) {
    start(95);
    writeList({"a", "b", "c"});
    openEditor();
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(item(IDC_SEARCH_FIELD), L"w15");
    EXPECT_EQ(text(120), L"w150");
    EXPECT_EQ(GetScrollPos(item(IDC_DICTIONARY_SCROLL), SB_CTL), 5);
    SetWindowTextW(item(IDC_SEARCH_FIELD), L"zzz");  // after the last word: the last ten
    EXPECT_EQ(text(120), L"w185");
    EXPECT_EQ(text(129), L"w194");
    key(VK_DOWN);
    EXPECT_EQ(text(120), L"w185");
    key(VK_UP);
    EXPECT_EQ(text(120), L"w184");
    key(VK_RETURN);  // empties the box: the words of the empty text
    EXPECT_EQ(text(IDC_SEARCH_FIELD), L"");
    EXPECT_EQ(text(120), L"w100");
    key(VK_UP);
    EXPECT_EQ(text(120), L"w100");

    scroll(IDC_DICTIONARY_SCROLL, SB_LINEDOWN);
    EXPECT_EQ(text(120), L"w101");
    scroll(IDC_DICTIONARY_SCROLL, SB_PAGEDOWN);
    EXPECT_EQ(text(120), L"w111");
    scroll(IDC_DICTIONARY_SCROLL, SB_THUMBTRACK, 7);  // dragging moves nothing
    EXPECT_EQ(text(120), L"w111");
    scroll(IDC_DICTIONARY_SCROLL, SB_THUMBPOSITION, 7);  // ten records a unit
    EXPECT_EQ(text(120), L"w170");
    scroll(IDC_DICTIONARY_SCROLL, SB_THUMBPOSITION, 9);  // fewer than ten after 190
    EXPECT_EQ(text(120), L"w185");
    click(129);  // adds what the box shows
    EXPECT_EQ(listWords().back(), "w194");

    // Fewer than twelve list words: the list side does not move.
    EXPECT_EQ(text(100), L"a");
    scroll(IDC_SCROLL_BAR, SB_LINEDOWN);
    scroll(IDC_SCROLL_BAR, SB_PAGEDOWN);
    EXPECT_EQ(text(100), L"a");
    EXPECT_EQ(text(103), L"w194");
}

TEST_F(ListEditorTest, ListScrollBarMovesOneWordAUnit) {
    start(10);
    std::vector<std::string> words;
    for (int i = 0; i < 40; ++i) words.push_back("l" + std::to_string(10 + i));
    writeList(words);
    openEditor();
    ASSERT_NE(editor, nullptr);
    int low = 0, high = 0;
    GetScrollRange(item(IDC_SCROLL_BAR), SB_CTL, &low, &high);
    EXPECT_EQ(high, 28);
    EXPECT_EQ(GetScrollPos(item(IDC_SCROLL_BAR), SB_CTL), 28);
    EXPECT_EQ(text(100), L"l38");
    scroll(IDC_SCROLL_BAR, SB_LINEUP);
    EXPECT_EQ(text(100), L"l37");
    scroll(IDC_SCROLL_BAR, SB_PAGEUP);
    EXPECT_EQ(text(100), L"l25");
    scroll(IDC_SCROLL_BAR, SB_THUMBPOSITION, 3);
    EXPECT_EQ(text(100), L"l13");
    EXPECT_EQ(GetScrollPos(item(IDC_SCROLL_BAR), SB_CTL), 3);
    click(104);  // marks the word shown: l17
    EXPECT_EQ(test::readRecords(listPath())[7].deleted, 1);
    click(IDC_FIRST_TRANSLATION);  // an addition shows the last page again
    EXPECT_EQ(text(111), L"w100");
    EXPECT_EQ(GetScrollPos(item(IDC_SCROLL_BAR), SB_CTL), 29);
}

TEST_F(ListEditorTest, AddRandomCountsAndTheOldList) {
    startEditor(20);
    writeList({"keep1", "keep2"});
    SendMessageW(editor, WM_COMMAND, IDM_FIRST_LIST, 0);  // the list read again
    ASSERT_EQ(wordStore.listCount, 2);
    command(IDC_ADD_RANDOM);
    HWND random = FindWindowW(L"addrandom", nullptr);
    ASSERT_NE(random, nullptr);
    EXPECT_EQ(GetWindow(random, GW_OWNER), nullptr);
    RECT r;
    GetWindowRect(random, &r);
    EXPECT_EQ(r.right - r.left, 325);
    EXPECT_EQ(r.bottom - r.top, 145);
    ControlTable table = addRandomControls();
    for (size_t i = 0; i < table.count; ++i) {
        const ControlSpec& c = table.specs[i];
        expectPlaced(random, c.id, c.x, c.y, c.width, c.height);
    }
    HWND count = GetDlgItem(random, IDC_SEARCH_FIELD);
    HWND deleteOld = GetDlgItem(random, IDC_DELETE_OLD);
    EXPECT_EQ(GetFocus(), count);
    EXPECT_EQ(SendMessageW(deleteOld, BM_GETCHECK, 0, 0), BST_CHECKED);
    command(IDC_ADD_RANDOM);  // open already: the same window comes up
    EXPECT_EQ(FindWindowW(L"addrandom", nullptr), random);

    auto ask = [&](const wchar_t* n, bool byEnter) {
        SetWindowTextW(count, n);
        if (byEnter)
            SendMessageW(count, WM_KEYDOWN, VK_RETURN, 0);
        else
            SendMessageW(random, WM_COMMAND, IDC_RANDOM_OK, 0);
    };
    for (const wchar_t* refused : {L"0", L"21", L"many", L"-4"}) {
        ask(refused, false);
        EXPECT_TRUE(IsWindow(random)) << refused;
        EXPECT_EQ(GetWindowTextLengthW(count), 0) << refused;
    }
    EXPECT_EQ(wordStore.listCount, 2);

    // Unchecked: appended to the old list.
    SendMessageW(random, WM_COMMAND, MAKEWPARAM(IDC_DELETE_OLD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(deleteOld));
    EXPECT_EQ(SendMessageW(deleteOld, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetFocus(), count);
    ask(L"5", true);
    EXPECT_FALSE(IsWindow(random));
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    std::vector<std::string> words = listWords();
    ASSERT_EQ(words.size(), 7u);
    EXPECT_EQ(words[0], "keep1");
    for (size_t i = 2; i < words.size(); ++i) EXPECT_EQ(words[i].substr(0, 2), "w1");
    EXPECT_EQ(text(106), std::wstring(words[6].begin(), words[6].end()));

    // Checked (as it opens): exactly n words, n = the dictionary's size accepted.
    command(IDC_ADD_RANDOM);
    random = FindWindowW(L"addrandom", nullptr);
    ASSERT_NE(random, nullptr);
    count = GetDlgItem(random, IDC_SEARCH_FIELD);
    ask(L"20 words", false);
    EXPECT_FALSE(IsWindow(random));
    EXPECT_EQ(test::readRecords(listPath()).size(), 20u);
    EXPECT_EQ(wordStore.listCount, 20);

    // Cancel adds nothing; the editor's closing closes an open one.
    command(IDC_ADD_RANDOM);
    random = FindWindowW(L"addrandom", nullptr);
    SendMessageW(random, WM_COMMAND, IDC_DONE, 0);
    EXPECT_FALSE(IsWindow(random));
    EXPECT_EQ(wordStore.listCount, 20);
    command(IDC_ADD_RANDOM);
    random = FindWindowW(L"addrandom", nullptr);
    command(IDC_DONE);
    EXPECT_FALSE(IsWindow(random));
}

TEST_F(ListEditorTest, RemoveAllThenDoneLeavesAnEmptyFile) {
    start(10);
    writeList({"a", "b", "c"});
    test::writeWordFile("list\\verbs\\Eng_Fre.ls", {{"x", "y"}});
    const std::string otherDirection = test::readBytes("list\\verbs\\Eng_Fre.ls");
    openEditor();
    ASSERT_NE(editor, nullptr);
    click(100);  // a mark, so that the update runs too
    command(IDC_REMOVE_ALL);
    EXPECT_EQ(text(100), L"");
    EXPECT_EQ(GetFocus(), item(IDC_SEARCH_FIELD));
    command(IDC_DONE);
    EXPECT_TRUE(std::filesystem::exists("list/verbs/Fre_Eng.ls"));
    EXPECT_EQ(test::readBytes(listPath()).size(), 0u);
    EXPECT_EQ(test::readBytes("list\\verbs\\Eng_Fre.ls"), otherDirection);
}

TEST_F(ListEditorTest, AddAllMakesAByteForByteCopy) {
    start(25);
    writeList({"old"});
    std::vector<WordRecord> records = test::readRecords(dictionary);
    records[4].deleted = 1;
    test::writeRecords(dictionary, records);
    openEditor();
    ASSERT_NE(editor, nullptr);
    command(IDC_ADD_ALL);
    EXPECT_EQ(test::readBytes(listPath()), test::readBytes(dictionary));
    EXPECT_EQ(wordStore.listCount, 25);
    EXPECT_EQ(wordStore.dictionaryCount, 25);
    EXPECT_EQ(text(111), L"w124");
    EXPECT_EQ(text(100), L"w113");
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(ListEditorTest, FailedAddAllKeepsTheListAndSaysWhy) {
    start(25);
    writeList({"old", "older"});
    test::makeFolders("list\\verbs\\Fre_Eng.ls.tmp\\blocked");
    openEditor();
    ASSERT_NE(editor, nullptr);
    const std::string before = test::readBytes(listPath());
    command(IDC_ADD_ALL);
    ASSERT_EQ(script.boxes.size(), 1u);
    const std::wstring prefix = L"Could not copy word list file, error code ";
    EXPECT_EQ(script.boxes[0].text.substr(0, prefix.size()), prefix);
    EXPECT_NE(std::stoi(script.boxes[0].text.substr(prefix.size())), 0);
    EXPECT_EQ(script.boxes[0].text.substr(script.boxes[0].text.size() - 3), L"   ");
    EXPECT_EQ(script.boxes[0].caption, L"Dictionary");
    EXPECT_EQ(script.boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(test::readBytes(listPath()), before);
    EXPECT_EQ(text(101), L"older");
    EXPECT_EQ(text(120), L"w100");  // the dictionary open again
}

TEST_F(ListEditorTest, CreatingChoosingAndDeletingLists) {
    startEditor(10, {"beta", "Alpha"});
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"Alpha", L"beta"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));
    click(120);  // into Alpha

    command(401);  // beta
    EXPECT_EQ(checkedItems(), (std::vector<int>{401}));
    EXPECT_STREQ(wordStore.currentListName, "beta");
    EXPECT_EQ(text(100), L"");
    click(121);
    EXPECT_EQ(listWords("beta"), (std::vector<std::string>{"w101"}));
    EXPECT_EQ(listWords("Alpha"), (std::vector<std::string>{"w100"}));

    script.names = {L"gamma"};
    command(IDM_CREATE_LIST);
    EXPECT_TRUE(script.dialogHadFocusInNameBox);
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{402}));
    EXPECT_EQ(practiceLists.listId, 402);
    EXPECT_EQ(practiceLists.listFolderCount, 3);
    EXPECT_EQ(test::readBytes(listPath("gamma")).size(), 0u);
    EXPECT_EQ(text(100), L"");

    // Deleting: the question, its answer, the first list current again.
    test::writeWordFile("list\\gamma\\Eng_Fre.ls", {{"x", "y"}});
    script.answers = {IDNO};
    command(IDM_DELETE_LIST);
    EXPECT_TRUE(std::filesystem::exists("list/gamma"));
    script.answers = {IDYES};
    command(IDM_DELETE_LIST);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, L"Are you sure you want to delete gamma?");
    EXPECT_EQ(script.boxes[1].caption, L"Delete list");
    EXPECT_EQ(script.boxes[1].flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    EXPECT_FALSE(std::filesystem::exists("list/gamma"));
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"Alpha", L"beta"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));
    EXPECT_STREQ(wordStore.currentListName, "Alpha");
    EXPECT_EQ(text(100), L"w100");
    EXPECT_EQ(GetMenuItemCount(GetMenu(editor)), 2);  // one Lists menu, rebuilt

    // Choosing beta is kept across a restart.
    command(401);
    command(IDC_DONE);
    DestroyWindow(mainWindow());
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the first run's end
    EXPECT_EQ(iniValue("PracticeList"), "beta");
    EXPECT_EQ(iniValue("ListID"), "401");
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(checkedItems(), (std::vector<int>{401}));
    EXPECT_EQ(text(100), L"w101");
}

TEST_F(ListEditorTest, TheOnlyListIsKept) {
    startEditor(10, {"verbs", ".hidden"});  // ".hidden" is a folder, but no list
    command(IDM_DELETE_LIST);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, L"You should keep at least one list.   ");
    EXPECT_EQ(script.boxes[0].caption, L"Delete list");
    EXPECT_EQ(script.boxes[0].flags, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(std::filesystem::exists("list/verbs/Fre_Eng.ls"));
}

TEST_F(ListEditorTest, NewListNamesRefusedAndRepeated) {
    startEditor(10, {"verbs", "nouns"});
    ASSERT_STREQ(wordStore.currentListName, "nouns");
    click(120);
    // A full stop and a double quote are refused, the dialog staying open;
    // an empty name is not taken; then Cancel.
    script.names = {L"verbs.old", L"say \"hi\"", L"", std::nullopt};
    command(IDM_CREATE_LIST);
    EXPECT_EQ(script.dialogsOpened, 1);
    ASSERT_EQ(script.boxes.size(), 2u);
    for (const Box& b : script.boxes) {
        EXPECT_EQ(
            b.text,
            L"The characters / \\ < > | . : ? * have special meaning and are not allowed.   ");
        EXPECT_EQ(b.caption, L"Create new list");
        EXPECT_EQ(b.flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    }
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"nouns", L"verbs"}));
    EXPECT_STREQ(wordStore.currentListName, "nouns");

    // The current name in other letters: nothing at all.
    script = Script{};
    script.names = {L"NOUNS"};
    command(IDM_CREATE_LIST);
    EXPECT_STREQ(wordStore.currentListName, "nouns");
    EXPECT_EQ(listsMenuItems().size(), 2u);

    // Another list's name: that list, without a second item; a mark made in
    // the list being left is applied to it first.
    click(100);
    script = Script{};
    script.names = {L"VERBS"};
    command(IDM_CREATE_LIST);
    EXPECT_STREQ(wordStore.currentListName, "verbs");
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"nouns", L"verbs"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{401}));
    EXPECT_TRUE(hasClass(L"updating"));
    EXPECT_EQ(test::readBytes(listPath("nouns")).size(), 0u);
}

TEST_F(ListEditorTest, AFolderThatCannotBeRemoved) {
    startEditor(10, {"a", "b"});
    click(120);
    test::writeWordFile("list\\a\\Eng_Fre.ls", {{"x", "y"}});
    test::makeFolders("list\\a\\pictures");
    script.answers = {IDYES};
    command(IDM_DELETE_LIST);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, L"Can't delete folder a");
    EXPECT_EQ(script.boxes[1].caption, L"Delete list");
    EXPECT_EQ(script.boxes[1].flags, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(std::filesystem::exists("list/a/Eng_Fre.ls"));
    EXPECT_TRUE(std::filesystem::exists("list/a/pictures"));
    // Still a folder of the list root: back in the menu, and the first list.
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));
    EXPECT_EQ(test::readBytes(listPath("a")).size(), 0u);
}

TEST_F(ListEditorTest, NoListFolderAsksForANameFirst) {
    start(10, {});
    script.names = {std::nullopt};  // Cancel: no editor
    openEditor();
    EXPECT_EQ(editor, nullptr);
    EXPECT_EQ(script.dialogsOpened, 1);
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);

    script = Script{};  // the list root is made with the list
    script.names = {L"CON:", L"first words"};
    openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(script.boxes.size(), 1u);  // the colon refused
    EXPECT_STREQ(wordStore.currentListName, "first words");
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{L"first words"}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));
    click(122);
    EXPECT_EQ(listWords("first words"), (std::vector<std::string>{"w102"}));
}

TEST_F(ListEditorTest, AListFolderThatCannotBeMadeIsSaid) {
    start(10, {});
    test::makeFolders("list");
    test::writeBytes("list\\blocked", "a file where the folder would go");
    script.names = {L"blocked", std::nullopt};
    openEditor();
    EXPECT_EQ(editor, nullptr);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, L"A folder for this list cannot be created.   ");
    EXPECT_EQ(script.boxes[0].caption, L"Create new list");
    EXPECT_STREQ(wordStore.currentListName, "");
}

// A list name is a folder name of the UI edition's code page (1251 for the
// Cyrillic one), not of the system's: shown, typed and made as such.
TEST_F(ListEditorTest, ListNamesOfACyrillicEdition) {
    namespace fs = std::filesystem;
    test::InstallationSetup setup;
    // The Cyrillic edition: its settings file and the file names its pairs
    // take ("russian" one way, its own letters the other).
    setup.language = "russiancyr";
    setup.items = {"French,french,0"};
    setup.selected = "Fre_rus.wb";
    setup.wordFiles = false;
    test::prepareInstallation(setup);
    test::writeBytes("Ravidi.ini", test::settingsText(setup));
    test::makeFolders("language");
    test::writeWordFile("language\\Fre_rus.wb", {{"chat", "cat"}, {"chien", "dog"}});
    test::writeWordFile("language\\reverse.wb", {{"cat", "chat"}});
    fs::rename("language/reverse.wb", fs::u8path("language/\u0420\u0443\u0441_Fre.wb"));
    fs::create_directories(fs::u8path("list/\u0413\u043B\u0430\u0433\u043E\u043B\u044B"));
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    openEditor();
    ASSERT_NE(editor, nullptr);
    const std::wstring verbs = L"\u0413\u043B\u0430\u0433\u043E\u043B\u044B";
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{verbs}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{400}));

    const std::wstring words = L"\u0421\u043B\u043E\u0432\u0430";
    script.names = {words};
    command(IDM_CREATE_LIST);
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(listsMenuItems(), (std::vector<std::wstring>{verbs, words}));
    EXPECT_EQ(checkedItems(), (std::vector<int>{401}));
    click(120);
    command(400);
    EXPECT_EQ(wordStore.listCount, 0);
    // Each folder holds its list file of the current direction: the new
    // one the word added.
    auto listFileSizes = [](const char* folder) {
        std::vector<uintmax_t> sizes;
        for (const fs::directory_entry& e : fs::directory_iterator(fs::u8path(folder)))
            sizes.push_back(e.file_size());
        return sizes;
    };
    EXPECT_EQ(listFileSizes("list/\u0421\u043B\u043E\u0432\u0430"),
              (std::vector<uintmax_t>{sizeof(WordRecord)}));
    EXPECT_EQ(listFileSizes("list/\u0413\u043B\u0430\u0433\u043E\u043B\u044B"),
              (std::vector<uintmax_t>{0}));
}

}  // namespace
