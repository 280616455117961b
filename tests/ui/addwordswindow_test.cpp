// The add-words window opened from the real main window in a prepared
// installation and driven with messages: look-ups as a headword is typed,
// entries stored and logged, the merge into the other direction, the
// refusals, the palette, and the re-sorts when it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include "addwords.h"
#include "addwordswindow.h"
#include "appsettings.h"
#include "catalogue.h"
#include "files.h"
#include "ids.h"
#include "installation.h"
#include "lookup.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "palette.h"
#include "progresswindow.h"
#include "reversemerge.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace {

const char* const kForward = "language\\Fre_Eng.wb";
const char* const kReverse = "language\\Eng_Fre.wb";
const char* const kLog = "new\\French_English.wb";

std::vector<std::wstring> boxes;       // caption|text of every message box
std::vector<std::string> sortedPairs;  // the pair of each re-sort, in order

int recordBox(HWND, const std::wstring& text, const std::wstring& caption, UINT flags) {
    boxes.push_back(caption + L"|" + text + ((flags & MB_ICONWARNING) ? L"|warning" : L""));
    return IDOK;
}

void recordSort(const std::wstring& line) {
    if (line == L"Reading 0") sortedPairs.push_back(currentPair()->name);
}

std::vector<test::Entry> entries(const std::string& path) {
    std::vector<test::Entry> out;
    for (const WordRecord& r : test::readRecords(path))
        out.push_back({headwordOf(r), translationOf(r)});
    return out;
}

class AddWordsWindowTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND window = nullptr;

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        boxes.clear();
        sortedPairs.clear();
        setMessageBoxRecorder(recordBox);
        setCounterObserver(recordSort);
    }
    void TearDown() override {
        if (window && IsWindow(window)) DestroyWindow(window);
        if (mainWindow()) DestroyWindow(mainWindow());
        setCounterObserver(nullptr);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    // French-English with its other direction; the setup's own pairs when given.
    void start(test::InstallationSetup setup = {}) {
        test::prepareInstallation(setup);
        test::writeWordFile(kForward, {{"chat", "cat"}, {"chien", "dog"}, {"maison", "house"}});
        test::writeWordFile(
            kReverse, {{"cat", "chat"}, {"dog", "chien"}, {"hound", "chien"}, {"house", "maison"}});
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        open();
    }
    void open() {
        SendMessageW(mainWindow(), WM_COMMAND, IDM_ADD_WORDS, 0);
        window = FindWindowW(L"toevoeg", nullptr);
        ASSERT_NE(window, nullptr);
    }
    HWND source() { return GetDlgItem(window, 30); }
    HWND target() { return GetDlgItem(window, 31); }
    static std::wstring text(HWND w) {
        wchar_t buffer[128] = {};
        GetWindowTextW(w, buffer, 128);
        return buffer;
    }
    // The headword field's text as left by typing, and the key released.
    void typeHeadword(const std::wstring& s) {
        SetWindowTextW(source(), s.c_str());
        SendMessageW(source(), WM_KEYUP, 'A', 0);
    }
    void enter(HWND field) { SendMessageW(field, WM_KEYDOWN, VK_RETURN, 0); }
    void confirm(const std::wstring& headword, const std::wstring& translation) {
        typeHeadword(headword);
        enter(source());
        SetWindowTextW(target(), translation.c_str());
        enter(target());
    }
    void done() { SendMessageW(GetDlgItem(window, IDC_DONE), BM_CLICK, 0, 0); }
};

TEST_F(AddWordsWindowTest, OpensWithItsLayoutMenuAndTheFontsOfThePair) {
    test::InstallationSetup russian;
    russian.items = {"Russian,russian,204"};
    russian.selected = "Rus_Eng.wb";
    test::prepareInstallation(russian);
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    open();
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(text(window), L"Add words");
    RECT r;
    GetWindowRect(window, &r);
    const int height = 205 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(r.right - r.left, 630);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 630) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    for (const ControlSpec& c : kAddWordsControls) {
        HWND control = GetDlgItem(window, c.id);
        ASSERT_NE(control, nullptr) << c.id;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.x) << c.id;
        EXPECT_EQ(r.top, c.y) << c.id;
        EXPECT_EQ(r.right - r.left, c.width) << c.id;
        EXPECT_EQ(r.bottom - r.top, c.height) << c.id;
    }
    EXPECT_EQ(text(GetDlgItem(window, IDC_ADD_HELP)), L"Help");
    EXPECT_EQ(text(GetDlgItem(window, IDC_DONE)), L"Done");
    EXPECT_EQ(SendMessageW(source(), EM_GETLIMITTEXT, 0, 0), 30);
    EXPECT_EQ(SendMessageW(target(), EM_GETLIMITTEXT, 0, 0), 50);
    LOGFONTW sourceFont{}, targetFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(source(), WM_GETFONT, 0, 0)), sizeof sourceFont,
               &sourceFont);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(target(), WM_GETFONT, 0, 0)), sizeof targetFont,
               &targetFont);
    EXPECT_EQ(sourceFont.lfCharSet, 204);
    EXPECT_EQ(targetFont.lfCharSet, 0);
    EXPECT_EQ(sourceFont.lfHeight, -23);
    EXPECT_STREQ(targetFont.lfFaceName, L"Times New Roman");
    EXPECT_TRUE(GetMenuState(GetMenu(window), IDM_PALETTE_OFF, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(GetMenu(window), IDM_PALETTE_ON, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(GetFocus(), source());
    EXPECT_TRUE(folderExists("new"));
    // A Cyrillic headword is held in the pair's code page.
    SendMessageW(source(), WM_CHAR, 0x0434, 0);
    EXPECT_EQ(text(source()), L"\u0434");
}

TEST_F(AddWordsWindowTest, TypingShowsTheStoredTranslation) {
    start();
    typeHeadword(L"chi");
    EXPECT_EQ(text(target()), L"");
    typeHeadword(L"CHIEN");  // any letter case
    EXPECT_EQ(text(target()), L"dog");
    typeHeadword(L"chienx");
    EXPECT_EQ(text(target()), L"");
    typeHeadword(L"chien ");  // looked up as typed, blanks and all
    EXPECT_EQ(text(target()), L"");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AddWordsWindowTest, NewHeadwordsAreAppendedLoggedMergedAndSortedInBothDirections) {
    start();
    typeHeadword(L"  dinde ");
    enter(source());
    EXPECT_EQ(text(source()), L"dinde");
    EXPECT_EQ(GetFocus(), target());
    SetWindowTextW(target(), L" turkey ,, hen ");
    enter(target());
    EXPECT_EQ(entries(kForward).back(), (test::Entry{"dinde", "turkey, hen"}));
    EXPECT_EQ(test::readBytes(kLog), test::readBytes(kForward).substr(3 * 84));
    EXPECT_EQ(addWords.newEntryCount, 1);
    EXPECT_EQ(text(source()), L"");
    EXPECT_EQ(text(target()), L"");
    EXPECT_EQ(GetFocus(), source());
    EXPECT_EQ(appSettings.dictionaryDirty, 1);

    confirm(L"dinde", L"turkey");  // not seen among the sorted words: appended again
    EXPECT_EQ(test::readRecords(kForward).size(), 5u);
    EXPECT_EQ(test::readBytes(kLog).size(), 2u * 84);
    EXPECT_EQ(addWords.newEntryCount, 2);

    done();
    EXPECT_EQ(sortedPairs, (std::vector<std::string>{"English", "French"}));  // reverse first
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_EQ(appSettings.dictionaryDirty, 0);
    EXPECT_STREQ(currentPair()->name, "French");
    EXPECT_EQ(entries(kForward), (std::vector<test::Entry>{{"chat", "cat"},
                                                           {"chien", "dog"},
                                                           {"dinde", "turkey, hen"},
                                                           {"dinde", "turkey"},
                                                           {"maison", "house"}}));
    std::vector<test::Entry> reverse = entries(kReverse);
    ASSERT_EQ(reverse.size(), 7u);
    EXPECT_EQ(reverse[2], (test::Entry{"hen", "dinde"}));
    EXPECT_EQ(reverse[5], (test::Entry{"turkey", "dinde"}));
    EXPECT_EQ(reverse[6], (test::Entry{"turkey", "dinde"}));
    // Found by look-up in both directions.
    ASSERT_EQ(readDictionaryRecord(findWord("dinde")), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "dinde");
    LanguagePair* forward = currentPair();
    ASSERT_EQ(usePairTemporarily(otherDirectionOf(*forward)), 0);
    for (const char* word : {"hen", "turkey", "hound"}) {
        ASSERT_EQ(readDictionaryRecord(findWord(word)), 0);
        EXPECT_STREQ(wordStore.recordBuffer.headword, word);
    }
    ASSERT_EQ(usePairTemporarily(forward), 0);
}

TEST_F(AddWordsWindowTest, ChangedEntriesAreRewrittenInPlaceAndNeedNoSort) {
    test::makeFolders("list\\words");
    start();
    typeHeadword(L"Chien");
    enter(source());
    EXPECT_EQ(GetFocus(), target());
    DWORD caret = 0;
    SendMessageW(target(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 3u);  // after the stored translation
    SetWindowTextW(target(), L"dog,hound");
    enter(target());
    EXPECT_EQ(
        entries(kForward),
        (std::vector<test::Entry>{{"chat", "cat"}, {"Chien", "dog, hound"}, {"maison", "house"}}));
    EXPECT_FALSE(fileExists(kLog));
    EXPECT_EQ(addWords.newEntryCount, 1);
    // Both translations were listed in the other direction already; the
    // switch there opened its practice list, made empty.
    EXPECT_EQ(addWords.reverseDirty, 0);
    EXPECT_EQ(test::readBytes("list\\words\\Eng_Fre.ls"), "");
    const std::string forward = test::readBytes(kForward), reverse = test::readBytes(kReverse);
    done();
    EXPECT_TRUE(sortedPairs.empty());
    EXPECT_EQ(test::readBytes(kForward), forward);
    EXPECT_EQ(test::readBytes(kReverse), reverse);
}

TEST_F(AddWordsWindowTest, ACommaInTheHeadwordIsRefusedEachWay) {
    start();
    const std::string before = test::readBytes(kForward);
    const std::wstring refusal = L"Error|No comma allowed in this field|warning";
    typeHeadword(L"a,b");  // by key release
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], refusal);
    enter(source());  // by Enter
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(GetFocus(), source());
    SendMessageW(target(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // by clicking
    SendMessageW(target(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2], refusal);
    EXPECT_EQ(GetFocus(), source());
    SetWindowTextW(target(), L"x");
    enter(target());  // nor is it confirmed
    EXPECT_EQ(test::readBytes(kForward), before);
    EXPECT_EQ(addWords.newEntryCount, 0);
}

TEST_F(AddWordsWindowTest, TranslationsThatCannotBeStored) {
    start();
    const std::string before = test::readBytes(kForward);
    confirm(L"dinde", L" , ,, ");  // no translation in it
    EXPECT_EQ(text(source()), L"");
    EXPECT_EQ(text(target()), L"");
    // 50 characters typed, 74 with a blank after each comma: refused, kept.
    const std::wstring many = L"a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,yz";
    confirm(L"dinde", many);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(L"Error|The translation would be longer than 50 characters", 0), 0u);
    EXPECT_EQ(text(source()), L"dinde");
    EXPECT_EQ(text(target()), many);
    EXPECT_EQ(test::readBytes(kForward), before);
    EXPECT_FALSE(fileExists(kLog));
    EXPECT_EQ(addWords.newEntryCount, 0);
}

TEST_F(AddWordsWindowTest, PaletteFollowsTheFocusedSideAndFocusReturnsOnActivation) {
    test::InstallationSetup russian;
    russian.items = {"Russian,russian,204"};
    russian.selected = "Rus_Eng.wb";
    test::prepareInstallation(russian);
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    open();
    SendMessageW(window, WM_COMMAND, IDM_PALETTE_ON, 0);
    EXPECT_TRUE(GetMenuState(GetMenu(window), IDM_PALETTE_ON, MF_BYCOMMAND) & MF_CHECKED);
    ASSERT_NE(palette.paletteWindow, nullptr);
    EXPECT_EQ(palette.paletteLanguage, "Russian");
    SetFocus(target());
    EXPECT_EQ(palette.paletteLanguage, "English");
    EXPECT_EQ(palette.paletteTarget, target());
    ASSERT_NE(palette.paletteWindow, nullptr);
    EXPECT_EQ(GetFocus(), target());
    // Another window active, then this one again: the focus is back in the
    // field that had it.
    HWND other = CreateWindowW(L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    SetActiveWindow(window);
    EXPECT_EQ(GetFocus(), target());
    DestroyWindow(other);
    SendMessageW(window, WM_COMMAND, IDM_PALETTE_OFF, 0);
    EXPECT_EQ(palette.paletteWindow, nullptr);
    EXPECT_TRUE(GetMenuState(GetMenu(window), IDM_PALETTE_OFF, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(AddWordsWindowTest, PositionKeptForTheNextOpeningAndTheNextRun) {
    start();
    SetWindowPos(window, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    open();
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);
    done();
    DestroyWindow(mainWindow());
    EXPECT_EQ(GetProfileIntA("Dictionary", "WinPosLeftAdd", 9999), 40);
    EXPECT_EQ(GetProfileIntA("Dictionary", "WinPosTopAdd", 9999), 50);
}

}  // namespace
