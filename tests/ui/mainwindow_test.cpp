// The main window, created in-process by the real start-up in a prepared
// installation folder, driven with messages.
#include <windows.h>

#include <gtest/gtest.h>

#include "appsettings.h"
#include "installation.h"
#include "languagemenu.h"
#include "languagepair.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace {

struct Box {
    std::wstring text, caption;
    UINT flags;
};
std::vector<Box> boxes;

int recordBox(HWND, const std::wstring& text, const std::wstring& caption, UINT flags) {
    boxes.push_back({text, caption, flags});
    return IDOK;
}

std::string iniValue(const char* key) {
    char value[200] = {};
    GetProfileStringA("Dictionary", key, "(none)", value, sizeof value);
    return value;
}

class MainWindowTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::InstallationSetup setup;
    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);  // a fresh win.ini section
        boxes.clear();
        setMessageBoxRecorder(recordBox);
    }
    void TearDown() override {
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    void start(const std::string& arguments = "") {
        test::prepareInstallation(setup);
        int exitCode = -1;
        ASSERT_TRUE(startProgram(arguments, SW_SHOWNORMAL, exitCode));
        ASSERT_NE(mainWindow(), nullptr);
    }
    HMENU languageMenu() { return GetSubMenu(GetMenu(mainWindow()), 1); }
    int checkedLanguageItem() {
        HMENU menu = languageMenu();
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED)
                return static_cast<int>(GetMenuItemID(menu, i));
        return 0;
    }
    std::string selectedLine() {
        std::string text = test::readBytes("dict.ini");
        size_t at = text.find("[selected]\r\n") + 12;
        return text.substr(at, text.find("\r\n", at) - at);
    }
};

TEST_F(MainWindowTest, SizeTitleAndCentredPlacement) {
    start();
    RECT r;
    GetWindowRect(mainWindow(), &r);
    int height = 332 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(r.right - r.left, 565);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 565) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    wchar_t title[64];
    GetWindowTextW(mainWindow(), title, 64);
    EXPECT_STREQ(title, L"Dictionary");
    LONG style = GetWindowLongW(mainWindow(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, ButtonsAndRecordMode) {
    start();
    const struct {
        int id, x, y;
        const wchar_t* text;
    } buttons[] = {{10, 10, 280, L"Add words"},
                   {13, 150, 280, L"Create practice list"},
                   {11, 290, 280, L"Start practice"},
                   {12, 430, 280, L"Search"}};
    for (const auto& b : buttons) {
        HWND button = GetDlgItem(mainWindow(), b.id);
        ASSERT_NE(button, nullptr) << b.id;
        RECT r;
        GetWindowRect(button, &r);
        MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, b.x);
        EXPECT_EQ(r.top, b.y);
        EXPECT_EQ(r.right - r.left, 120);
        EXPECT_EQ(r.bottom - r.top, 30);
        wchar_t text[64];
        GetWindowTextW(button, text, 64);
        EXPECT_STREQ(text, b.text);
    }
    EXPECT_EQ(GetDlgItem(mainWindow(), 25), nullptr);
}

TEST_F(MainWindowTest, RecordCommandLineAddsTheRecordButton) {
    start("RECORD");
    HWND record = GetDlgItem(mainWindow(), 25);
    ASSERT_NE(record, nullptr);
    RECT r;
    GetWindowRect(record, &r);
    MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 240);
}

TEST_F(MainWindowTest, LanguageMenuWithThreeItems) {
    setup.items = {"French,french,0", "German,german,0", "Italian,italian,0"};
    start();
    HMENU menu = languageMenu();
    ASSERT_EQ(GetMenuItemCount(menu), 7);  // six pairs and one separator
    int ids[7];
    for (int i = 0; i < 7; ++i) ids[i] = static_cast<int>(GetMenuItemID(menu, i));
    EXPECT_EQ(ids[0], 200);
    EXPECT_EQ(ids[2], 202);
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(ids[4], 203);
    EXPECT_EQ(ids[6], 205);
    wchar_t text[64];
    GetMenuStringW(menu, 203, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"English\tFrench");
    wchar_t title[32];
    GetMenuStringW(GetMenu(mainWindow()), 1, title, 32, MF_BYPOSITION);
    EXPECT_STREQ(title, L"&Language");
    EXPECT_EQ(checkedLanguageItem(), 200);  // [selected] names Fre_Eng.wb
}

TEST_F(MainWindowTest, ChoosingAPairRewritesOnlyTheSelectedLine) {
    start();
    SendMessageW(mainWindow(), WM_COMMAND, 203, 0);  // English-German
    EXPECT_EQ(checkedLanguageItem(), 203);
    EXPECT_STREQ(currentPair()->name, "English");
    EXPECT_STREQ(currentPair()->toName, "German");
    test::InstallationSetup expected = setup;
    expected.selected = "Eng_Ger.wb";
    EXPECT_EQ(test::readBytes("dict.ini"), test::settingsText(expected));
    EXPECT_EQ(wordStore.dictionaryCount, 2);
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "one");
}

// A pair whose dictionary is gone is never chosen: the user is told which
// file is missing and goes on with the pair in use.
TEST_F(MainWindowTest, PairWithAMissingDictionaryIsNotChosen) {
    start();
    DeleteFileA("language\\Eng_Ger.wb");
    const std::string settings = test::readBytes("dict.ini");
    SendMessageW(mainWindow(), WM_COMMAND, 203, 0);  // English-German
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              L"Can't open language\\Eng_Ger.wb   \n\nThe language pair in use stays selected.");
    EXPECT_STREQ(currentPair()->name, "French");
    EXPECT_EQ(checkedLanguageItem(), 200);
    EXPECT_EQ(test::readBytes("dict.ini"), settings);
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "Fre-one");
}

// The selected pair's dictionary missing at start-up: the first pair whose
// dictionary opens is used and recorded; the next start needs no message.
TEST_F(MainWindowTest, StartUpGoesOnWithAPairWhoseDictionaryOpens) {
    setup.selected = "Eng_Ger.wb";
    test::prepareInstallation(setup);
    DeleteFileA("language\\Eng_Ger.wb");
    DeleteFileA("language\\Fre_Eng.wb");
    int exitCode = -1;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              L"Can't open language\\Eng_Ger.wb   \n\nThe program goes on with "
              L"German - English.");
    EXPECT_STREQ(currentPair()->name, "German");
    EXPECT_EQ(checkedLanguageItem(), 201);
    EXPECT_EQ(selectedLine(), "Ger_Eng.wb");
    DestroyWindow(mainWindow());
    boxes.clear();
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    EXPECT_TRUE(boxes.empty());
    EXPECT_STREQ(currentPair()->name, "German");
}

TEST_F(MainWindowTest, ClickOnAnIconSwapsTheDirection) {
    setup.selected = "Eng_Fre.wb";
    start();
    SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 190));
    EXPECT_STREQ(currentPair()->name, "French");
    EXPECT_EQ(checkedLanguageItem(), 200);
    EXPECT_EQ(selectedLine(), "Fre_Eng.wb");
    SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(91, 107));
    EXPECT_EQ(selectedLine(), "Eng_Fre.wb");
    SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(92, 120));  // beside it
    EXPECT_EQ(selectedLine(), "Eng_Fre.wb");
}

TEST_F(MainWindowTest, PairPrefixOnTheCommandLine) {
    setup.selected = "Eng_Fre.wb";
    start("/wb Ger");
    EXPECT_STREQ(currentPair()->name, "German");
    EXPECT_EQ(checkedLanguageItem(), 201);
    EXPECT_EQ(selectedLine(), "Eng_Fre.wb");  // start-up records nothing
}

TEST_F(MainWindowTest, PairPrefixMatchingTheCurrentToNameKeepsIt) {
    setup.selected = "Fre_Eng.wb";
    start("wb Eng");
    EXPECT_STREQ(currentPair()->name, "French");
}

TEST_F(MainWindowTest, SettingsWrittenAtExitByTheKeyRules) {
    start();
    DestroyWindow(mainWindow());
    EXPECT_EQ(iniValue("StayOnTop"), "0");
    EXPECT_EQ(iniValue("ClipSearch"), "0");
    EXPECT_NE(iniValue("WinPosTopMain"), "(none)");
    EXPECT_EQ(iniValue("WinPosTopSearch"), "(none)");  // never opened: no keys
    EXPECT_EQ(iniValue("WinPosLeftPractise"), "(none)");
    EXPECT_EQ(iniValue("PracticeList"), "(none)");  // no list is current
    EXPECT_EQ(iniValue("ListID"), "(none)");
    EXPECT_EQ(iniValue("EnglishAviDelay"), "(none)");  // the installer's key
}

TEST_F(MainWindowTest, SavedPositionIsUsedAndKept) {
    WriteProfileStringA("Dictionary", "WinPosLeftMain", "40");
    WriteProfileStringA("Dictionary", "WinPosTopMain", "30");
    WriteProfileStringA("Dictionary", "WinPosLeftAdd", "5");
    WriteProfileStringA("Dictionary", "WinPosTopAdd", "6");
    start();
    RECT r;
    GetWindowRect(mainWindow(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    SetWindowPos(mainWindow(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DestroyWindow(mainWindow());
    EXPECT_EQ(iniValue("WinPosLeftMain"), "100");
    EXPECT_EQ(iniValue("WinPosTopMain"), "120");
    EXPECT_EQ(iniValue("WinPosLeftAdd"), "5");  // kept positions are written back
    EXPECT_EQ(iniValue("WinPosTopAdd"), "6");
}

// With a taskbar at the top or the left the work area does not start at
// the monitor's corner: a kept position is turned back into the screen
// coordinates it is used in, so that windows do not creep run after run.
TEST(SavedPositions, WorkspaceCoordinatesBecomeScreenCoordinates) {
    const RECT monitor = {0, 0, 1024, 768}, taskbarAtTop = {0, 40, 1024, 768};
    POINT at = screenFromWorkspace({100, 80}, monitor, taskbarAtTop);
    EXPECT_EQ(at.x, 100);
    EXPECT_EQ(at.y, 120);
    const RECT leftMonitor = {-1280, 0, 0, 1024}, taskbarAtLeft = {-1220, 0, 0, 1024};
    at = screenFromWorkspace({-1250, 5}, leftMonitor, taskbarAtLeft);
    EXPECT_EQ(at.x, -1190);
    EXPECT_EQ(at.y, 5);
}

TEST_F(MainWindowTest, StayOnTopToggles) {
    start();
    HMENU menu = GetMenu(mainWindow());
    EXPECT_FALSE(GetMenuState(menu, 55, MF_BYCOMMAND) & MF_CHECKED);
    SendMessageW(mainWindow(), WM_COMMAND, 55, 0);
    EXPECT_TRUE(GetMenuState(menu, 55, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetWindowLongW(mainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(mainWindow());
    EXPECT_EQ(iniValue("StayOnTop"), "1");
}

TEST_F(MainWindowTest, StayOnTopFromWinIni) {
    WriteProfileStringA("Dictionary", "StayOnTop", "1");
    start();
    EXPECT_TRUE(GetMenuState(GetMenu(mainWindow()), 55, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetWindowLongW(mainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(MainWindowTest, PracticeListRememberedAndForgotten) {
    test::makeFolders("list\\verbs");
    test::makeFolders("list\\animals");
    WriteProfileStringA("Dictionary", "PracticeList", "VERBS");
    WriteProfileStringA("Dictionary", "ListID", "401");
    start();
    EXPECT_STREQ(wordStore.currentListName, "VERBS");
    DestroyWindow(mainWindow());
    EXPECT_EQ(iniValue("PracticeList"), "VERBS");
    EXPECT_EQ(iniValue("ListID"), "401");
}

TEST_F(MainWindowTest, SavedListThatIsGoneFallsBackToTheFirst) {
    test::makeFolders("list\\verbs");
    test::makeFolders("list\\animals");
    WriteProfileStringA("Dictionary", "PracticeList", "gone");
    WriteProfileStringA("Dictionary", "ListID", "403");
    start();
    EXPECT_STREQ(wordStore.currentListName, "animals");
    EXPECT_TRUE(std::filesystem::exists("list/animals/Fre_Eng.ls"));
    DestroyWindow(mainWindow());
    EXPECT_EQ(iniValue("ListID"), "400");
}

TEST_F(MainWindowTest, UnknownLocaleWarnsAndStartUpContinues) {
    setup.items = {"French,klingon,0"};
    start();
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes.back().text, L"Unknown locale : klingon");
    EXPECT_EQ(boxes.back().caption, L"error");
}

// Every UI language's accelerators: Alt+letter for commands 10-13, a
// control character for exit, F1 for help.
TEST(Accelerators, EveryLanguageHasItsKeys) {
    const struct {
        const wchar_t* name;
        char add, practice, search, editor, exit;
    } tables[] = {{L"ENGLISH_ACCEL", 'A', 'P', 'S', 'C', 'X'},
                  {L"french_accel", 'A', 'P', 'C', 'I', 'Q'},
                  {L"SWEDISH_ACCEL", 'O', 'A', 'S', 'T', 'X'},
                  {L"RUSSIANLAT_ACCEL", 'A', 'P', 'S', 'C', 'X'},
                  {L"RUSSIANCYR_ACCEL", 'A', 'P', 'S', 'C', 'X'},
                  {L"DUTCH_ACCEL", 'T', 'L', 'Z', 'A', 'E'},
                  {L"ITALIAN_ACCEL", 'G', 'P', 'C', 'R', 'X'},
                  {L"NORWEGIAN_ACCEL", 'T', 'O', 'S', 'L', 'X'},
                  {L"DANISH_ACCEL", 'T', 'A', 'S', 'L', 'A'},
                  {L"GERMAN_ACCEL", 'H', 'L', 'S', 'M', 'E'},
                  {L"ESPERANTO_ACCEL", 'A', 'V', 'S', 'K', 'Q'}};
    for (const auto& t : tables) {
        HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), t.name);
        ASSERT_NE(table, nullptr) << t.name;
        ACCEL keys[16];
        int n = CopyAcceleratorTableW(table, keys, 16);
        ASSERT_EQ(n, 6) << t.name;
        auto find = [&](WORD cmd) {
            for (int i = 0; i < n; ++i)
                if (keys[i].cmd == cmd) return keys[i];
            return ACCEL{};
        };
        const char alt[] = {t.add, t.practice, t.search, t.editor};
        for (int i = 0; i < 4; ++i) {
            ACCEL a = find(static_cast<WORD>(10 + i));
            EXPECT_EQ(a.key, alt[i]) << t.name << " command " << 10 + i;
            EXPECT_EQ(a.fVirt & (FVIRTKEY | FALT | FCONTROL | FSHIFT), FVIRTKEY | FALT) << t.name;
        }
        ACCEL exitKey = find(3);
        EXPECT_EQ(exitKey.key, t.exit - '@') << t.name;
        EXPECT_EQ(exitKey.fVirt & FVIRTKEY, 0) << t.name;
        ACCEL help = find(4);
        EXPECT_EQ(help.key, VK_F1) << t.name;
        EXPECT_TRUE(help.fVirt & FVIRTKEY) << t.name;
        DestroyAcceleratorTable(table);
    }
}

TEST_F(MainWindowTest, ExitKeyWorksThroughTheMessageLoop) {
    start();
    HWND main = mainWindow();
    PostMessageW(main, WM_CHAR, 'X' - '@', 0);  // Ctrl+X as the keyboard sends it
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(iniValue("StayOnTop"), "0");
}

}  // namespace
