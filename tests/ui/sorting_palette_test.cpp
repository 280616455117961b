// The sorting window around a real re-sort, and the character palette in a
// small host window, driven through the entry points the tool windows use.
#include <windows.h>

#include <gtest/gtest.h>

#include "appsettings.h"
#include "installation.h"
#include "languagemenu.h"
#include "lookup.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "palette.h"
#include "progresswindow.h"
#include "sortingwindow.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace {

std::vector<std::wstring> counterLines;
std::vector<std::wstring> boxTexts;
RECT sortingRect{};
std::wstring sortingTitle;

void recordCounter(const std::wstring& line) {
    counterLines.push_back(line);
    if (HWND w = FindWindowW(L"sorting", nullptr)) {
        GetWindowRect(w, &sortingRect);
        wchar_t title[32] = {};
        GetWindowTextW(w, title, 32);
        sortingTitle = title;
    }
}

int recordBox(HWND, const std::wstring& text, const std::wstring& caption, UINT) {
    boxTexts.push_back(caption + L"|" + text);
    return IDOK;
}

// The program started in a prepared folder whose French dictionary holds
// `count` records in reverse order, every 10th marked deleted.
class SortingTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        counterLines.clear();
        boxTexts.clear();
        setCounterObserver(recordCounter);
        setMessageBoxRecorder(recordBox);
    }
    void TearDown() override {
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    void start(int count, bool markSome) {
        test::prepareInstallation({});
        std::vector<WordRecord> records;
        for (int i = count - 1; i >= 0; --i) {
            char word[16];
            std::snprintf(word, sizeof word, "w%05d", i);
            records.push_back(makeRecord(word, "t"));
            records.back().deleted = (markSome && i % 10 == 0) ? 1 : 0;
        }
        test::writeRecords("language\\Fre_Eng.wb", records);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    }
};

std::vector<std::wstring> linesWith(const std::wstring& label) {
    std::vector<std::wstring> v;
    for (const std::wstring& l : counterLines)
        if (l.rfind(label + L" ", 0) == 0) v.push_back(l.substr(label.size() + 1));
    return v;
}

TEST_F(SortingTest, CounterSequenceOf2500Records) {
    start(2500, false);
    appSettings.dictionaryDirty = 1;
    resortIfDirty();
    EXPECT_EQ(appSettings.dictionaryDirty, 0);
    EXPECT_EQ(linesWith(L"Reading"), (std::vector<std::wstring>{L"0", L"1000", L"2000"}));
    EXPECT_EQ(linesWith(L"Writing"), (std::vector<std::wstring>{L"0", L"1000", L"2000"}));
    std::vector<std::wstring> sorting = linesWith(L"Sorting");
    ASSERT_GE(sorting.size(), 2u);
    for (size_t i = 0; i < sorting.size(); ++i) EXPECT_EQ(sorting[i], std::to_wstring(2000 * i));
    // Reading, then sorting, then writing.
    EXPECT_EQ(counterLines.front(), L"Reading 0");
    EXPECT_EQ(counterLines.back(), L"Writing 2000");
    EXPECT_EQ(sortingRect.right - sortingRect.left, 350);
    EXPECT_EQ(sortingRect.bottom - sortingRect.top, 120);
    EXPECT_EQ(sortingRect.left, (GetSystemMetrics(SM_CXSCREEN) - 350) / 2);
    EXPECT_EQ(sortingTitle, L"Sort");
    EXPECT_EQ(FindWindowW(L"sorting", nullptr), nullptr);  // gone after the sort
    EXPECT_EQ(wordStore.dictionaryCount, 2500);
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "w00000");
}

TEST_F(SortingTest, MarkedRecordsAreDroppedAndTheRestFound) {
    start(300, true);
    appSettings.dictionaryDirty = 1;
    resortIfDirty();
    EXPECT_EQ(wordStore.dictionaryCount, 270);
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 270u * 84);
    ASSERT_EQ(readDictionaryRecord(findWord("w00011")), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "w00011");
    EXPECT_TRUE(boxTexts.empty());
}

// Without a window to draw in (it could not be made) the sort runs all the
// same and its counter goes on.
TEST_F(SortingTest, SortWithoutAWindowStillSorts) {
    start(300, true);
    EXPECT_TRUE(resortInWindow(nullptr));
    EXPECT_EQ(wordStore.dictionaryCount, 270);
    EXPECT_EQ(counterLines.front(), L"Reading 0");
    EXPECT_TRUE(boxTexts.empty());
}

TEST_F(SortingTest, NothingHappensWhenNotDirty) {
    start(10, true);
    resortIfDirty();
    EXPECT_TRUE(counterLines.empty());
    EXPECT_EQ(wordStore.dictionaryCount, 10);
}

TEST_F(SortingTest, FailedSortIsReportedAndLeavesTheFileAlone) {
    start(50, true);
    std::string before = test::readBytes("language\\Fre_Eng.wb");
    test::makeFolders("language\\tempfile");  // the temporary file cannot be made
    appSettings.dictionaryDirty = 1;
    resortIfDirty();
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], L"Error|Sort failed  ");
    EXPECT_EQ(appSettings.dictionaryDirty, 0);
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb"), before);
    EXPECT_EQ(wordStore.dictionaryCount, 50);
    EXPECT_NE(wordStore.dictionaryFile, nullptr);
}

// A host with a single-line and a multi-line field, as the tool windows
// will host the palette.
class PaletteTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND host = nullptr, field = nullptr, memo = nullptr;
    void SetUp() override {
        test::prepareInstallation({});
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"testhost";
        RegisterClassW(&wc);
        host = CreateWindowExW(0, L"testhost", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 300,
                               630, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        field =
            CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 25, host,
                          reinterpret_cast<HMENU>(30), GetModuleHandleW(nullptr), nullptr);
        memo = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 10, 50,
                             200, 60, host, reinterpret_cast<HMENU>(31), GetModuleHandleW(nullptr),
                             nullptr);
        paletteHostCreated(host, 0, "French");
        paletteFieldFocused(field, 0, "French", false);
    }
    void TearDown() override {
        closePalette();
        if (host) DestroyWindow(host);
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    int buttonCount() {
        int n = 0;
        for (HWND c = GetWindow(palette.paletteWindow, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            ++n;
        return n;
    }
    RECT outer(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return r;
    }
    RECT buttonRect(int id) {
        RECT r = outer(GetDlgItem(palette.paletteWindow, id));
        MapWindowPoints(nullptr, palette.paletteWindow, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    std::wstring text(HWND w) {
        wchar_t buffer[128] = {};
        GetWindowTextW(w, buffer, 128);
        return buffer;
    }
};

TEST_F(PaletteTest, BuiltInSetInTwoRowsAboveTheHost) {
    reopenPalette();
    ASSERT_NE(palette.paletteWindow, nullptr);
    wchar_t cls[32];
    GetClassNameW(palette.paletteWindow, cls, 32);
    EXPECT_STREQ(cls, L"tekenset");
    EXPECT_EQ(text(palette.paletteWindow), L"Character set");
    EXPECT_EQ(buttonCount(), 66);
    RECT r = outer(palette.paletteWindow);
    EXPECT_EQ(r.right - r.left, 632);
    EXPECT_EQ(r.bottom - r.top, 70);
    EXPECT_EQ(r.top, 300 - 70);
    EXPECT_EQ(r.left, 200 + (630 - 632) / 2);
    EXPECT_EQ(buttonRect(32).left, 608);
    EXPECT_EQ(buttonRect(33).left, 0);
    EXPECT_EQ(buttonRect(33).top, 23);
    EXPECT_EQ(text(GetDlgItem(palette.paletteWindow, 0)), L"\u00c0");
    EXPECT_EQ(GetFocus(), field);
    EXPECT_FALSE(GetWindowLongW(palette.paletteWindow, GWL_STYLE) & WS_SYSMENU);
}

TEST_F(PaletteTest, ClickTypesIntoTheTargetAndFocusReturns) {
    reopenPalette();
    SetWindowTextW(field, L"caf");
    SendMessageW(field, EM_SETSEL, 3, 3);
    SendMessageW(GetDlgItem(palette.paletteWindow, 42), BM_CLICK, 0, 0);  // 0xE9, e acute
    EXPECT_EQ(text(field), L"caf\u00e9");
    EXPECT_EQ(GetFocus(), field);
}

TEST_F(PaletteTest, TenCharactersAndALineEnd) {
    test::makeFolders("charset");
    test::writeBytes("charset\\French.chs", "abcdefghij\r\nignored");
    reopenPalette();
    EXPECT_EQ(buttonCount(), 11);
    EXPECT_EQ(outer(palette.paletteWindow).right - outer(palette.paletteWindow).left, 100);
    EXPECT_EQ(buttonRect(5).top, 23);
    EXPECT_EQ(buttonRect(10).left, 95);  // the line feed, outside the client area
    RECT client;
    GetClientRect(palette.paletteWindow, &client);
    EXPECT_LE(client.right, 95);
}

TEST_F(PaletteTest, NineCharactersAndALineEndDeliverTheLineFeed) {
    test::makeFolders("charset");
    test::writeBytes("charset\\French.chs", "abcdefghi\n");
    paletteFieldFocused(memo, 0, "French", true);
    reopenPalette();
    EXPECT_EQ(buttonCount(), 10);
    EXPECT_EQ(buttonRect(9).left, 76);
    EXPECT_EQ(buttonRect(9).top, 23);
    SendMessageW(GetDlgItem(palette.paletteWindow, 0), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(palette.paletteWindow, 9), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(palette.paletteWindow, 1), BM_CLICK, 0, 0);
    EXPECT_EQ(text(memo), L"a\r\nb");
    EXPECT_EQ(GetFocus(), memo);
}

TEST_F(PaletteTest, ClampedAtTheTopOfTheScreen) {
    SetWindowPos(host, nullptr, -400, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    test::makeFolders("charset");
    test::writeBytes("charset\\French.chs", "ab\n");
    reopenPalette();
    RECT r = outer(palette.paletteWindow);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.left, 0);
}

TEST_F(PaletteTest, FollowsTheCharsetOfTheFocusedSide) {
    test::makeFolders("charset");
    test::writeBytes("charset\\French.chs", "ab\n");
    test::writeBytes("charset\\Russian.chs", "\xe0\xe1\xe2\n");
    reopenPalette();
    HWND first = palette.paletteWindow;
    paletteFieldFocused(memo, 0, "English", true);  // same charset: kept as it is
    EXPECT_EQ(palette.paletteWindow, first);
    EXPECT_EQ(palette.paletteLanguage, "French");
    paletteFieldFocused(memo, 204, "Russian", true);
    ASSERT_NE(palette.paletteWindow, nullptr);
    EXPECT_EQ(buttonCount(), 4);
    EXPECT_EQ(text(GetDlgItem(palette.paletteWindow, 0)), L"\u0430");  // Cyrillic a from 1251
    SendMessageW(GetDlgItem(palette.paletteWindow, 1), BM_CLICK, 0, 0);
    EXPECT_EQ(text(memo), L"\u0431");
    closePalette();
    EXPECT_EQ(palette.paletteWindow, nullptr);
    closePalette();  // none open: nothing happens
}

}  // namespace
