// The search window opened from the real main window in a prepared
// installation and driven with messages: look-ups, keys, scrolling,
// corrections, deletion marks, the clipboard and the pair switch.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "appsettings.h"
#include "ids.h"
#include "installation.h"
#include "languagemenu.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "palette.h"
#include "pump.h"
#include "searchwindow.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "windowtext.h"
#include "wordstore.h"

namespace {

std::vector<std::wstring> messages;
int answerOk(HWND, const std::wstring& text, const std::wstring&, UINT) {
    messages.push_back(text);
    return IDOK;
}

// Counts the character palettes made (their windows' creation).
int palettesMade = 0;
LRESULT CALLBACK countPalettes(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) {
        wchar_t name[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wp), name, 16);
        if (std::wstring(name) == L"tekenset") ++palettesMade;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Queues keys that the next pop-up menu reads from the message queue.
void queueMenuKeys(HWND window, const std::vector<UINT>& keys) {
    for (UINT k : keys) PostMessageW(window, WM_KEYDOWN, k, 0);
}

class SearchWindowTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND search = nullptr;

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        messages.clear();
        setMessageBoxRecorder(answerOk);
    }
    void TearDown() override {
        if (search && IsWindow(search)) DestroyWindow(search);
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    // French words w000 .. w(n-1), translations t000 .. (seven digits from
    // a thousand words on)
    void open(int count, test::InstallationSetup setup = {}) {
        test::prepareInstallation(setup);
        std::vector<test::Entry> entries;
        const char* format = count > 1000 ? "%c%07d" : "%c%03d";
        for (int i = 0; i < count; ++i) {
            char h[12], t[12];
            std::snprintf(h, sizeof h, format, 'w', i);
            std::snprintf(t, sizeof t, format, 't', i);
            entries.push_back({h, t});
        }
        test::writeWordFile("language\\Fre_Eng.wb", entries);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        SendMessageW(mainWindow(), WM_COMMAND, IDM_SEARCH, 0);
        search = FindWindowW(L"zoeken", nullptr);
        ASSERT_NE(search, nullptr);
    }
    HWND item(int id) { return GetDlgItem(search, id); }
    std::wstring text(int id) {
        wchar_t buffer[128] = {};
        GetWindowTextW(item(id), buffer, 128);
        return buffer;
    }
    void type(const std::wstring& s) { SetWindowTextW(item(30), s.c_str()); }
    void key(int id, UINT vk) { SendMessageW(item(id), WM_KEYDOWN, vk, 0); }
    void scroll(UINT code, int position = 0) {
        SendMessageW(search, WM_VSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(item(41)));
    }
    void contextMenu(int id, const std::vector<UINT>& keys) {
        queueMenuKeys(search, keys);
        RECT r;
        GetWindowRect(item(id), &r);
        SendMessageW(item(id), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(item(id)),
                     MAKELPARAM(r.left + 5, r.top + 15));
    }
    WordRecord stored(int index) { return test::readRecords("language\\Fre_Eng.wb").at(index); }
};

TEST_F(SearchWindowTest, LayoutAndOpening) {
    open(50);
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 1);
    RECT r;
    GetWindowRect(search, &r);
    EXPECT_EQ(r.right - r.left, 630);
    EXPECT_EQ(r.bottom - r.top, 362 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    wchar_t title[64];
    GetWindowTextW(search, title, 64);
    EXPECT_STREQ(title, L"Search words");
    const struct {
        int id, x, y, w, h;
    } controls[] = {{100, 20, 40, 215, 25},   {109, 20, 247, 215, 25}, {120, 255, 40, 350, 25},
                    {129, 255, 247, 350, 25}, {41, 235, 40, 20, 230},  {30, 20, 300, 215, 25},
                    {14, 505, 300, 100, 30}};
    for (const auto& c : controls) {
        ASSERT_NE(item(c.id), nullptr) << c.id;
        GetWindowRect(item(c.id), &r);
        MapWindowPoints(nullptr, search, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.x) << c.id;
        EXPECT_EQ(r.top, c.y) << c.id;
        EXPECT_EQ(r.right - r.left, c.w) << c.id;
        EXPECT_EQ(r.bottom - r.top, c.h) << c.id;
    }
    EXPECT_EQ(text(14), L"Done");
    EXPECT_EQ(GetFocus(), item(30));
    EXPECT_EQ(text(100), L"w000");
    EXPECT_EQ(text(129), L"t009");
    EXPECT_FALSE(GetWindowLongW(item(30), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_TRUE(GetWindowLongW(item(100), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_TRUE(GetMenuState(GetMenu(search), 7, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(GetMenu(search), 57, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(SearchWindowTest, TypingLooksUp) {
    open(50);
    type(L"w02");
    EXPECT_EQ(text(100), L"w020");
    type(L"W031");  // case does not matter without a sort table
    EXPECT_EQ(text(100), L"w031");
    type(L"zzz");  // after the last headword: the last ten records
    EXPECT_EQ(text(100), L"w040");
    EXPECT_EQ(text(109), L"w049");
    EXPECT_EQ(searchWindowView().topIndex, 40);
    type(std::wstring(60, L'w'));  // only the first 37 characters count
    EXPECT_EQ(text(100), L"w040");
}

TEST_F(SearchWindowTest, KeysInTheSearchField) {
    open(50);
    type(L"w045");
    EXPECT_EQ(text(100), L"w040");
    key(30, VK_DOWN);  // the last page: no change
    EXPECT_EQ(text(100), L"w040");
    key(30, VK_UP);
    EXPECT_EQ(text(100), L"w039");
    key(30, VK_RETURN);
    EXPECT_EQ(text(30), L"");
    EXPECT_EQ(text(100), L"w000");
    key(30, VK_UP);  // the first page: no change
    EXPECT_EQ(text(100), L"w000");
    key(30, VK_DOWN);
    EXPECT_EQ(text(100), L"w001");
}

TEST_F(SearchWindowTest, ScrollRules) {
    open(95);
    scroll(SB_LINEDOWN);
    EXPECT_EQ(text(100), L"w001");
    scroll(SB_PAGEDOWN);
    EXPECT_EQ(text(100), L"w011");
    scroll(SB_PAGEUP);
    scroll(SB_PAGEUP);
    EXPECT_EQ(text(100), L"w000");
    scroll(SB_THUMBTRACK, 5);  // dragging moves nothing
    EXPECT_EQ(text(100), L"w000");
    scroll(SB_THUMBPOSITION, 5);
    EXPECT_EQ(text(100), L"w050");
    EXPECT_EQ(GetScrollPos(item(41), SB_CTL), 5);
    scroll(SB_THUMBPOSITION, 9);  // fewer than ten left after 90: the last ten
    EXPECT_EQ(text(100), L"w085");
    int low = 0, high = 0;
    GetScrollRange(item(41), SB_CTL, &low, &high);
    EXPECT_EQ(high, 8);
}

TEST_F(SearchWindowTest, CommittingRows) {
    open(20);
    SetWindowTextW(item(120), L"new translation");
    key(120, VK_RETURN);
    EXPECT_STREQ(stored(0).translation, "new translation");
    EXPECT_EQ(appSettings.dictionaryDirty, 0);  // the headword stayed as it was
    EXPECT_EQ(GetFocus(), item(30));
    SetWindowTextW(item(101), L"w001x");
    key(101, VK_RETURN);
    EXPECT_STREQ(stored(1).headword, "w001x");
    EXPECT_EQ(appSettings.dictionaryDirty, 1);
    std::string before = test::readBytes("language\\Fre_Eng.wb");
    SetWindowTextW(item(102), L"");  // an emptied headword is not stored
    key(102, VK_RETURN);
    EXPECT_EQ(text(102), L"w002");
    SetWindowTextW(item(123), L"");
    key(123, VK_RETURN);
    EXPECT_EQ(text(123), L"t003");
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb"), before);
}

TEST_F(SearchWindowTest, DeleteRestoreAndTheResortAtClosing) {
    open(20);
    contextMenu(103, {VK_DOWN, VK_RETURN});  // "Delete record"
    EXPECT_EQ(text(103), L"DELETED");
    EXPECT_EQ(text(123), L"DELETED");
    EXPECT_EQ(stored(3).deleted, 1);
    EXPECT_STREQ(stored(3).headword, "w003");  // the texts are kept
    SetWindowTextW(item(103), L"typed over");  // a marked row cannot be changed
    key(103, VK_RETURN);
    EXPECT_EQ(text(103), L"DELETED");
    contextMenu(124, {VK_DOWN, VK_RETURN});
    EXPECT_EQ(text(104), L"DELETED");
    contextMenu(104, {VK_DOWN, VK_RETURN});  // "Restore record"
    EXPECT_EQ(text(104), L"w004");
    EXPECT_EQ(text(124), L"t004");
    EXPECT_EQ(stored(4).deleted, 0);
    EXPECT_EQ(appSettings.dictionaryDirty, 1);
    SendMessageW(search, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(search));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_EQ(test::readRecords("language\\Fre_Eng.wb").size(), 19u);
    EXPECT_EQ(wordStore.dictionaryCount, 19);
}

TEST_F(SearchWindowTest, FewerThanTenRecords) {
    open(3);
    EXPECT_EQ(text(102), L"w002");
    EXPECT_EQ(text(103), L"");
    scroll(SB_LINEDOWN);
    EXPECT_EQ(text(100), L"w000");
    SetWindowTextW(item(105), L"ghost");
    key(105, VK_RETURN);
    contextMenu(106, {VK_DOWN, VK_RETURN});
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 3u * 84);  // nothing past the end
}

TEST_F(SearchWindowTest, ClipboardFollowedOnlyFromElsewhere) {
    open(50);
    SendMessageW(search, WM_COMMAND, 56, 0);  // automatic clipboard search on
    EXPECT_EQ(appSettings.clipSearch, 1);
    SetForegroundWindow(search);
    contextMenu(105, {VK_DOWN, VK_DOWN, VK_RETURN});  // "Copy" from a field of the window
    std::wstring copied;
    EXPECT_TRUE(getClipboardText(nullptr, copied));
    EXPECT_EQ(copied, L"w005");
    EXPECT_EQ(text(30), L"");
    // Another window is active: text copied there is looked up.
    HWND other = CreateWindowW(L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    auto putOnClipboard = [](UINT format, HANDLE data) {
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardData(format, data);
        CloseClipboard();
    };
    const wchar_t elsewhere[] = L"w033 ";
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof elsewhere);
    std::memcpy(GlobalLock(data), elsewhere, sizeof elsewhere);
    GlobalUnlock(data);
    putOnClipboard(CF_UNICODETEXT, data);
    EXPECT_TRUE(pumpUntil([&] { return text(30) == L"w033 "; }));
    EXPECT_EQ(text(100), L"w034");  // "w033 " sorts after w033
    SetForegroundWindow(other);
    HDC screen = GetDC(nullptr);
    putOnClipboard(CF_BITMAP, CreateCompatibleBitmap(screen, 4, 4));
    ReleaseDC(nullptr, screen);
    SendMessageW(search, WM_DRAWCLIPBOARD, 0, 0);  // the notice handled now, whenever it comes
    EXPECT_EQ(text(30), L"w033 ");                 // a picture is no text
    DestroyWindow(other);
    SendMessageW(search, WM_COMMAND, 57, 0);
    EXPECT_EQ(appSettings.clipSearch, 0);
}

TEST_F(SearchWindowTest, PairSwitchFromTheBackgroundKeepsTheSearchText) {
    open(50);
    type(L"w030");
    SetWindowTextW(item(101), L"w031x");
    key(101, VK_RETURN);                                   // dirty: re-sorted before the switch
    queueMenuKeys(search, {VK_DOWN, VK_DOWN, VK_RETURN});  // German-English
    SendMessageW(search, WM_RBUTTONUP, 0, MAKELPARAM(300, 290));  // on the background
    EXPECT_STREQ(currentPair()->name, "German");
    EXPECT_EQ(text(30), L"w030");
    EXPECT_EQ(text(100), L"Ger-one");
    EXPECT_EQ(appSettings.dictionaryDirty, 0);
    EXPECT_EQ(palette.paletteLanguage, "German");
}

TEST_F(SearchWindowTest, PaletteFollowsTheFieldsCharsets) {
    test::InstallationSetup setup;
    setup.items = {"French,french,0", "Russian,russian,204"};
    setup.selected = "Rus_Eng.wb";
    test::prepareInstallation(setup);
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    SendMessageW(mainWindow(), WM_COMMAND, IDM_SEARCH, 0);
    search = FindWindowW(L"zoeken", nullptr);
    ASSERT_NE(search, nullptr);
    SendMessageW(search, WM_COMMAND, 6, 0);  // palette on
    ASSERT_NE(palette.paletteWindow, nullptr);
    EXPECT_EQ(palette.paletteCharset, 204);
    SetFocus(item(120));
    EXPECT_EQ(palette.paletteCharset, 0);
    EXPECT_EQ(palette.paletteLanguage, "English");
    EXPECT_NE(palette.paletteWindow, nullptr);
    EXPECT_EQ(GetFocus(), item(120));
    // A switch to a pair of another charset makes the palette anew once.
    SendMessageW(search, WM_COMMAND, IDM_FIRST_PAIR, 0);  // French-English
    HHOOK hook = SetWindowsHookExW(WH_CBT, countPalettes, nullptr, GetCurrentThreadId());
    palettesMade = 0;
    SetFocus(item(120));
    SendMessageW(search, WM_COMMAND, IDM_FIRST_PAIR + 1, 0);  // Russian-English
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(palettesMade, 1);
    EXPECT_EQ(palette.paletteCharset, 204);
    EXPECT_EQ(GetFocus(), item(30));
    SendMessageW(search, WM_CLOSE, 0, 0);
    EXPECT_EQ(palette.paletteWindow, nullptr);  // closed with its host
}

// A pair whose dictionary is gone is not switched to: the window says so
// and goes on with the pair it shows.
TEST_F(SearchWindowTest, PairWithAMissingDictionaryIsNotSwitchedTo) {
    open(50);
    DeleteFileA("language\\Ger_Eng.wb");
    type(L"w030");
    SendMessageW(search, WM_COMMAND, IDM_FIRST_PAIR + 1, 0);  // German-English
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].find(L"Can't open language\\Ger_Eng.wb   "), 0u);
    EXPECT_STREQ(currentPair()->name, "French");
    EXPECT_EQ(text(100), L"w030");
}

// Which pop-up menus the window opened (its WM_INITMENUPOPUP).
std::vector<HMENU> openedMenus;
LRESULT CALLBACK recordMenus(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_INITMENUPOPUP) openedMenus.push_back(reinterpret_cast<HMENU>(wp));
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(SearchWindowTest, RightClicksOpenTheMenuOfWhatWasClicked) {
    open(50);
    SetWindowSubclass(search, recordMenus, 1, 0);
    openedMenus.clear();
    RECT frame;
    GetWindowRect(search, &frame);
    queueMenuKeys(search, {VK_ESCAPE});  // the caption: the window menu
    SendMessageW(search, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(search),
                 MAKELPARAM(frame.left + 100, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2));
    ASSERT_EQ(openedMenus.size(), 1u);
    EXPECT_NE(openedMenus[0], languageMenu());
    queueMenuKeys(search, {VK_ESCAPE});  // the background: the Language menu
    SendMessageW(search, WM_RBUTTONUP, 0, MAKELPARAM(300, 290));
    ASSERT_EQ(openedMenus.size(), 2u);
    EXPECT_EQ(openedMenus[1], languageMenu());
    queueMenuKeys(search, {VK_ESCAPE});  // Shift+F10 in a field: the field's menu
    SendMessageW(item(104), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(item(104)),
                 MAKELPARAM(-1, -1));
    ASSERT_EQ(openedMenus.size(), 3u);
    EXPECT_EQ(GetMenuItemID(openedMenus[2], 0), static_cast<UINT>(IDM_TOGGLE_DELETED));
    EXPECT_STREQ(currentPair()->name, "French");
    RemoveWindowSubclass(search, recordMenus, 1);
}

// The exit key, pressed in the search window, closes it the way Done does
// before the program ends: the changed dictionary is re-sorted, the
// clipboard chain left, the position kept.
TEST_F(SearchWindowTest, ExitKeyClosesTheSearchWindowFirst) {
    open(20);
    SendMessageW(search, WM_COMMAND, IDM_CLIPBOARD_ON, 0);
    SetWindowTextW(item(101), L"zzz");
    key(101, VK_RETURN);
    PostMessageW(item(30), WM_CHAR, 'X' - '@', 0);  // Ctrl+X as the keyboard sends it
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(search));
    EXPECT_NE(GetClipboardViewer(), search);
    std::vector<WordRecord> records = test::readRecords("language\\Fre_Eng.wb");
    ASSERT_EQ(records.size(), 20u);
    EXPECT_STREQ(records.back().headword, "zzz");
    char top[16] = {};
    GetProfileStringA("Dictionary", "WinPosTopSearch", "", top, sizeof top);
    EXPECT_STRNE(top, "");
}

// The scroll range of a million records passes 16 bits: the thumb dragged
// to the bottom (the scroll bar's own mouse handling) shows the last ten.
TEST_F(SearchWindowTest, ThumbDraggedToTheBottomOfAMillionRecords) {
    open(1000000);
    HWND bar = item(41);
    RECT r;
    GetClientRect(bar, &r);
    const int x = r.right / 2, thumbY = GetSystemMetrics(SM_CYVSCROLL) + 3;
    PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, r.bottom - 2));
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, r.bottom - 2));
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, thumbY));
    pumpUntil([&] { return text(100) == L"w0999990"; });
    EXPECT_EQ(text(100), L"w0999990");
    EXPECT_EQ(text(109), L"w0999999");
}

}  // namespace
