// The practice window opened from the real main window on a prepared list
// and watched while its step timer runs: the timer's period is set with the
// speed slider and the test waits on the window's state with deadlines.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>

#include "appsettings.h"
#include "controltable.h"
#include "drill.h"
#include "files.h"
#include "ids.h"
#include "installation.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "practicewindow.h"
#include "pump.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace {

struct Box {
    HWND owner;
    std::wstring text, caption;
    UINT flags;
    LRESULT progress;  // the owner's progress bar when the box came
};
std::vector<Box> boxes;
int answer = IDOK;

int recordBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    LRESULT progress = SendMessageW(GetDlgItem(owner, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0);
    boxes.push_back({owner, text, caption, flags, progress});
    return answer;
}

class PracticeWindowTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND practice = nullptr;

    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        boxes.clear();
        answer = IDOK;
        setMessageBoxRecorder(recordBox);
    }
    void TearDown() override {
        if (practice && IsWindow(practice)) DestroyWindow(practice);
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    // The list "verbs" holds the words (French-English unless the setup
    // says otherwise); no words, no file.
    void start(const std::vector<test::Entry>& words, test::InstallationSetup setup = {}) {
        test::prepareInstallation(setup);
        test::makeFolders("list\\verbs");
        const std::string file = setup.selected.substr(0, 7) + ".ls";
        if (!words.empty()) test::writeWordFile("list\\verbs\\" + file, words);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    }
    // Opens the drill, its slider moved at once to a speed (the first
    // step, 100 ms later, takes that speed's period).
    void open(int speed = kFastestSpeed) {
        SendMessageW(mainWindow(), WM_COMMAND, IDM_PRACTICE, 0);
        practice = FindWindowW(L"leren", nullptr);
        ASSERT_NE(practice, nullptr);
        setSpeed(speed);
    }
    HWND item(int id) { return GetDlgItem(practice, id); }
    void setSpeed(int speed) { SendMessageW(item(IDC_SPEED_SLIDER), TBM_SETPOS, TRUE, speed); }
    int progress() {
        return static_cast<int>(SendMessageW(item(IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0));
    }
    // Waits for a state of the drill; the milliseconds it took.
    DWORD waitFor(const std::function<bool(const PracticeWindowView&)>& state,
                  DWORD timeoutMs = 5000) {
        const DWORD start = GetTickCount();
        bool reached = pumpUntil([&] { return state(practiceWindowView()); }, timeoutMs);
        EXPECT_TRUE(reached) << "state not reached within " << timeoutMs << " ms";
        return GetTickCount() - start;
    }
    static bool headwordPending(const PracticeWindowView& v) { return v.translationPending; }
    static bool translationShown(const PracticeWindowView& v) {
        return !v.translationPending && !v.translation.empty();
    }
    bool closed() {
        return pumpUntil([&] { return !IsWindow(practice); });
    }
};

TEST_F(PracticeWindowTest, OneWordListRunsToTheEndAndTheMainWindowReturns) {
    start({{"avoir", "have"}});
    open();
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    waitFor(headwordPending, 1000);
    EXPECT_EQ(practiceWindowView().headword, L"avoir");
    EXPECT_EQ(practiceWindowView().translation, L"");
    EXPECT_EQ(progress(), 0);

    DWORD afterHeadword = waitFor(translationShown);
    EXPECT_EQ(practiceWindowView().translation, L"have");
    EXPECT_EQ(practiceWindowView().headword, L"avoir");
    EXPECT_EQ(progress(), 1);
    EXPECT_GE(afterHeadword, 450u);  // one period of 500 ms at the fastest speed
    EXPECT_LT(afterHeadword, 2500u);

    const DWORD translated = GetTickCount();
    ASSERT_TRUE(closed());
    EXPECT_GE(GetTickCount() - translated, 450u);  // the end comes one period later
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, practice);
    EXPECT_EQ(boxes[0].text, L"You have reached the end of the List. ");
    EXPECT_EQ(boxes[0].caption, L"Dictionary");
    EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_NE(savedPosition(PositionKind::Practise).top, kNoSavedPosition);
}

// A real click on the headword box (which lets the mouse through to the
// window) shows the translation at once; the next step comes a period later.
TEST_F(PracticeWindowTest, ClickOnTheWordShowsTheTranslationAtOnce) {
    start({{"avoir", "have"}, {"etre", "be"}});
    open();
    waitFor(headwordPending, 1000);
    RECT box;
    GetWindowRect(item(IDC_HEADWORD_BOX), &box);
    SetForegroundWindow(practice);
    SetCursorPos(box.left + 300, box.top + 20);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    EXPECT_LT(waitFor(translationShown, 1000), 300u);
    const std::wstring first = practiceWindowView().headword;
    DWORD next = waitFor([&](const PracticeWindowView& v) { return v.headword != first; });
    EXPECT_GE(next, 450u);
    EXPECT_EQ(practiceWindowView().translation, L"");
}

// The slider's new position counts from the next timer message: the step
// that was due comes at the old period's end, the one after a new period
// later. Using the slider leaves the keyboard focus with the window.
TEST_F(PracticeWindowTest, NewSpeedTakesEffectAtTheNextTimerMessage) {
    start({{"avoir", "have"}, {"etre", "be"}});
    open();
    waitFor(headwordPending, 1000);
    setSpeed(9);  // 2400 ms
    // The old period's step (500 ms) under a loaded machine, well before
    // the new period's.
    EXPECT_LT(waitFor(translationShown), 2000u);
    EXPECT_EQ(practiceWindowView().lastSpeed, 9);
    EXPECT_GE(waitFor(headwordPending), 2300u);

    HWND slider = item(IDC_SPEED_SLIDER);
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
    SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    pumpUntil([&] { return GetFocus() == practice; }, 1000);
    EXPECT_EQ(GetFocus(), practice);
}

// A resize while a headword waits: the layout is centred again, the next
// headword follows at once and the waiting translation is never shown; the
// pass still ends after the list's words, the bar counting translations shown.
TEST_F(PracticeWindowTest, ResizeDropsThePendingTranslation) {
    start({{"un", "one"}, {"deux", "two"}, {"trois", "three"}});
    open();
    waitFor(headwordPending, 1000);
    const std::wstring dropped = practiceWindowView().headword;
    SetWindowPos(practice, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(practiceWindowView().translationPending);
    // 100 ms, with room for a loaded machine; without the restart the
    // translation would come first and the headword a period after it.
    EXPECT_LT(waitFor(headwordPending, 1500), 750u);
    EXPECT_NE(practiceWindowView().headword, dropped);

    RECT client;
    GetClientRect(practice, &client);
    const PracticeWindowView view = practiceWindowView();
    size_t count = 0;
    const ControlSpec* table = practiceControls(count);
    for (size_t i = 0; i < count; ++i) {
        RECT r = controlRect(item(table[i].id));
        EXPECT_EQ(r.left, view.contentOrigin.x + table[i].x) << table[i].id;
        EXPECT_EQ(r.top, view.contentOrigin.y + table[i].y) << table[i].id;
    }
    RECT box = controlRect(item(IDC_HEADWORD_BOX));
    EXPECT_LE(std::abs((box.left + box.right) / 2 - client.right / 2), 4);
    EXPECT_GT(view.contentOrigin.y, 100);

    std::set<std::wstring> headwords = {dropped, view.headword};
    pumpUntil(
        [&] {
            if (!IsWindow(practice)) return true;
            headwords.insert(practiceWindowView().headword);
            return false;
        },
        8000);
    ASSERT_FALSE(IsWindow(practice));
    EXPECT_EQ(headwords, (std::set<std::wstring>{L"un", L"deux", L"trois"}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].progress, 2);
}

// The columns of a word box's client area where the navy word is drawn
// (anti-aliased edges included): its left and right ends.
std::pair<int, int> drawnColumns(HWND box) {
    RECT r;
    GetClientRect(box, &r);
    HDC dc = GetDC(box);
    int left = r.right, right = -1;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (GetBValue(c) > GetRValue(c) + 30 && GetBValue(c) > GetGValue(c) + 30) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    ReleaseDC(box, dc);
    return {left, right};
}

int textWidth(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

// "&" is drawn as itself, not as a mnemonic that would hide it; the word
// is drawn again when its box repaints.
TEST_F(PracticeWindowTest, AmpersandIsDrawnAndTheWordSurvivesARepaint) {
    start({{"rock&roll", "rock and roll"}});
    open(kSlowestSpeed);
    waitFor(headwordPending, 1000);
    HWND box = item(IDC_HEADWORD_BOX);
    const HFONT font = practiceWindowView().headwordFont;
    const int withAmpersand = textWidth(font, L"rock&roll"), without = textWidth(font, L"rockroll");
    ASSERT_GT(withAmpersand - without, 8);
    auto [left, right] = drawnColumns(box);
    const int drawn = right - left + 1;
    EXPECT_LT(std::abs(drawn - withAmpersand), 4) << drawn;
    EXPECT_NEAR(left, 3, 2);  // +5 in the window, the box's sunken edge being 2 wide

    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(drawnColumns(box), std::make_pair(left, right));
}

// The window as it opens: class, title, size, word fonts in the pair's
// character sets, slider and bar; Quit closes it without a message, and
// it opens again at the position it had, its slider back at 6, top-most
// once the setting asks for it.
TEST_F(PracticeWindowTest, OpeningQuittingAndOpeningAgain) {
    test::InstallationSetup russian;
    russian.items = {"Russian,russian,204"};
    russian.selected = "Rus_Eng.wb";
    start({{"\xe4\xee\xec", "house"}}, russian);
    open(kStartSpeed);
    wchar_t title[64] = {};
    GetWindowTextW(practice, title, 64);
    EXPECT_STREQ(title, L"Practice words  (verbs)");
    RECT r;
    GetWindowRect(practice, &r);
    EXPECT_EQ(r.right - r.left, 630);
    EXPECT_EQ(r.bottom - r.top, 262 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    EXPECT_TRUE(GetWindowLongW(practice, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongW(practice, GWL_EXSTYLE) & WS_EX_TOPMOST);

    LOGFONTW headword = {}, translation = {};
    GetObjectW(practiceWindowView().headwordFont, sizeof headword, &headword);
    GetObjectW(practiceWindowView().translationFont, sizeof translation, &translation);
    EXPECT_EQ(headword.lfHeight, -29);
    EXPECT_EQ(headword.lfWeight, FW_BOLD);
    EXPECT_STREQ(headword.lfFaceName, L"Times New Roman");
    EXPECT_EQ(headword.lfCharSet, 204);
    EXPECT_EQ(translation.lfCharSet, 0);
    waitFor(headwordPending, 1000);
    EXPECT_EQ(practiceWindowView().headword, L"\u0434\u043e\u043c");

    HWND slider = item(IDC_SPEED_SLIDER);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 11);
    EXPECT_EQ(SendMessageW(item(IDC_PROGRESS_BAR), PBM_GETRANGE, FALSE, 0), 1);
    wchar_t quit[16] = {};
    GetWindowTextW(item(IDC_DONE), quit, 16);
    EXPECT_STREQ(quit, L"Quit");

    setSpeed(3);
    SetWindowPos(practice, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(item(IDC_DONE), BM_CLICK, 0, 0);
    ASSERT_FALSE(IsWindow(practice));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(IsWindowVisible(mainWindow()));

    appSettings.stayOnTop = 1;
    SendMessageW(mainWindow(), WM_COMMAND, IDM_PRACTICE, 0);
    practice = FindWindowW(L"leren", nullptr);
    ASSERT_NE(practice, nullptr);
    EXPECT_EQ(SendMessageW(item(IDC_SPEED_SLIDER), TBM_GETPOS, 0, 0), kStartSpeed);
    GetWindowRect(practice, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_TRUE(GetWindowLongW(practice, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// The new-list dialog, cancelled as soon as it comes up.
int dialogsCancelled = 0;
HHOOK dialogHook = nullptr;
LRESULT CALLBACK cancelDialogs(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t cls[16] = {};
    HWND w = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassNameW(w, cls, 16) && std::wstring(cls) == L"#32770") {
        ++dialogsCancelled;
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return CallNextHookEx(dialogHook, code, wParam, lParam);
}

// An empty list and no list folder at all: the question; on No nothing; on
// Yes the new-list dialog, which cancelled leaves everything as it was.
TEST_F(PracticeWindowTest, EmptyListWithoutListsAsksAndCancelChangesNothing) {
    test::prepareInstallation({});
    test::makeFolders("list");
    int exitCode = 0;
    ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    dialogsCancelled = 0;
    dialogHook = SetWindowsHookExW(WH_CBT, cancelDialogs, nullptr, GetCurrentThreadId());
    answer = IDNO;
    SendMessageW(mainWindow(), WM_COMMAND, IDM_PRACTICE, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, mainWindow());
    EXPECT_EQ(boxes[0].text,
              L"Practice list (French-English) is empty.      \n\nCreate new practice list?");
    EXPECT_EQ(boxes[0].caption, L"Dictionary");
    EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    EXPECT_EQ(dialogsCancelled, 0);

    answer = IDYES;
    SendMessageW(mainWindow(), WM_COMMAND, IDM_PRACTICE, 0);
    UnhookWindowsHookEx(dialogHook);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(dialogsCancelled, 1);
    EXPECT_STREQ(wordStore.currentListName, "");
    std::vector<FolderEntry> lists;
    ASSERT_TRUE(listFolder("list", lists));
    EXPECT_TRUE(lists.empty());
    EXPECT_EQ(FindWindowW(L"lijst", nullptr), nullptr);
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
}

// An empty list that exists: Yes opens the list editor straight away in the
// practice window's place.
TEST_F(PracticeWindowTest, EmptyListWithAFolderOpensTheListEditor) {
    start({});
    answer = IDYES;
    SendMessageW(mainWindow(), WM_COMMAND, IDM_PRACTICE, 0);
    ASSERT_EQ(boxes.size(), 1u);
    HWND editor = FindWindowW(L"lijst", nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(FindWindowW(L"leren", nullptr), nullptr);
    EXPECT_EQ(appSettings.toolWindowOpen, 1);
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    DestroyWindow(editor);
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
}

}  // namespace
