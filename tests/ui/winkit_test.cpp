// The window kit: what each field option reports and keeps from the field,
// and controls made and placed from a table.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "controltable.h"
#include "fieldoptions.h"
#include "windowtext.h"

namespace {

struct Report {
    UINT message;
    WORD code;
    HWND from;
    UINT key;         // reportedKey() while the report was handled
    DWORD selection;  // EM_GETSEL of the field while the report was handled
};
std::vector<Report> reports;
int buttonClicks = 0;

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const WORD code = HIWORD(wp);
    const bool fromKit = code >= kFieldKeyNotification && code <= kFieldClickNotification;
    if (msg == WM_COMMAND && code == BN_CLICKED && lp) ++buttonClicks;
    if (msg == WM_COMMAND && fromKit) {  // the edit's own notifications are not looked at
        HWND from = reinterpret_cast<HWND>(lp);
        reports.push_back({msg, code, from, reportedKey(from),
                           static_cast<DWORD>(SendMessageW(from, EM_GETSEL, 0, 0))});
        return 0;
    }
    if (msg == WM_CONTEXTMENU) {
        reports.push_back({msg, 0, reinterpret_cast<HWND>(wp), 0, 0});
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// What reaches the field itself after the kit's options (a subclass made
// before the options', so it runs after them).
std::vector<UINT> reachedField;
LRESULT CALLBACK fieldRecorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_RBUTTONUP || msg == WM_CONTEXTMENU || msg == WM_KEYUP)
        reachedField.push_back(msg);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

class WinKitTest : public ::testing::Test {
   protected:
    HWND parent = nullptr;
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = parentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"winkittest";
        RegisterClassW(&wc);
        parent = CreateWindowW(L"winkittest", L"kit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                               300, nullptr, nullptr, wc.hInstance, nullptr);
        reports.clear();
        reachedField.clear();
        buttonClicks = 0;
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND field(const FieldOptions& options, const wchar_t* cls = L"EDIT", DWORD style = 0) {
        HWND f = CreateWindowW(cls, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 60, parent,
                               reinterpret_cast<HMENU>(30), GetModuleHandleW(nullptr), nullptr);
        SetWindowSubclass(f, fieldRecorder, 7, 0);
        subclassField(f, options);
        return f;
    }
};

TEST_F(WinKitTest, ReportedKeysNeverReachTheField) {
    HWND f = field({{VK_RETURN, VK_UP}}, L"EDIT", ES_MULTILINE | ES_WANTRETURN);
    SendMessageW(f, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(f, WM_CHAR, '\r', 0);
    SendMessageW(f, WM_KEYUP, VK_RETURN, 0);
    SendMessageW(f, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(f, WM_CHAR, 'a', 0);  // any other key is the field's
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].code, kFieldKeyNotification);
    EXPECT_EQ(reports[0].key, static_cast<UINT>(VK_RETURN));
    EXPECT_EQ(reports[1].key, static_cast<UINT>(VK_UP));
    EXPECT_EQ(windowText(f), L"a");  // no line break inserted
    EXPECT_TRUE(reachedField.empty());
}

TEST_F(WinKitTest, KeyReleasesAreReportedBeforeTheFieldHandlesThem) {
    FieldOptions options{{VK_RETURN}};
    options.reportKeyReleases = true;
    HWND f = field(options);
    SendMessageW(f, WM_KEYUP, 'A', 0);
    SendMessageW(f, WM_KEYUP, VK_RETURN, 0);  // Enter is reported as a key of its own
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].code, kFieldKeyReleaseNotification);
    EXPECT_EQ(reachedField, std::vector<UINT>{WM_KEYUP});  // then the field had it
}

TEST_F(WinKitTest, ClicksAreReportedWithTheCaretWhereThePressPutIt) {
    FieldOptions options;
    options.reportClicks = true;
    HWND f = field(options);
    SetWindowTextW(f, L"abcdefghij");
    LRESULT fifth = SendMessageW(f, EM_POSFROMCHAR, 5, 0);
    LPARAM at = MAKELPARAM(LOWORD(fifth) + 1, HIWORD(fifth) + 2);
    SendMessageW(f, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(f, WM_LBUTTONUP, 0, at);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].code, kFieldClickNotification);
    EXPECT_EQ(LOWORD(reports[0].selection), 5);
}

TEST_F(WinKitTest, RightButtonIgnoredOrContextMenuForwarded) {
    FieldOptions ignoring;
    ignoring.ignoreRightButton = true;
    HWND quiet = field(ignoring);
    SendMessageW(quiet, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(quiet, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(quiet), MAKELPARAM(-1, -1));
    EXPECT_TRUE(reachedField.empty());
    EXPECT_TRUE(reports.empty());
    FieldOptions forwarding;
    forwarding.forwardContextMenu = true;
    HWND f = field(forwarding);
    SendMessageW(f, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(f), MAKELPARAM(20, 20));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].message, static_cast<UINT>(WM_CONTEXTMENU));
    EXPECT_EQ(reports[0].from, f);
    EXPECT_TRUE(reachedField.empty());
}

TEST_F(WinKitTest, CharactersTheCodePageLacksAreRefused) {
    FieldOptions options;
    options.codePage = 1252;
    HWND f = field(options);
    for (wchar_t c : {L'é', L'\x416', L'\x101', L'z'}) SendMessageW(f, WM_CHAR, c, 0);
    EXPECT_EQ(windowText(f), L"éz");  // no Cyrillic, no best-fit "a" for ā
    setFieldCodePage(f, 1251);
    SendMessageW(f, WM_CHAR, L'\x416', 0);
    EXPECT_EQ(windowText(f), L"éz\x416");
}

// A push button that takes keys: Space reported, the button never pressed.
TEST_F(WinKitTest, PushButtonGivesUpItsKeys) {
    HWND button = field({{VK_SPACE, VK_RETURN, VK_BACK}}, L"BUTTON", BS_PUSHBUTTON);
    SetFocus(button);
    for (UINT k : {VK_SPACE, VK_BACK}) {
        SendMessageW(button, WM_KEYDOWN, k, 0);
        SendMessageW(button, WM_CHAR, k == VK_SPACE ? ' ' : '\b', 0);
        SendMessageW(button, WM_KEYUP, k, 0);
    }
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_EQ(reports[0].code, kFieldKeyNotification);
    EXPECT_EQ(reports[0].key, static_cast<UINT>(VK_SPACE));
    EXPECT_EQ(reports[1].key, static_cast<UINT>(VK_BACK));
}

TEST_F(WinKitTest, ControlsMadeFromATableAndPlacedAroundAnotherOrigin) {
    const ControlSpec table[] = {
        {41, L"STATIC", L"first", 0, 25, 100, 40, WS_CHILD | WS_VISIBLE},
        {42, L"BUTTON", L"second", 265, 170, 80, 30, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    };
    HWND made[2] = {};
    ASSERT_TRUE(createControls(parent, table, {15, 10}, nullptr, &made));
    EXPECT_EQ(made[0], GetDlgItem(parent, 41));
    EXPECT_EQ(made[1], GetDlgItem(parent, 42));
    RECT r = controlRect(GetDlgItem(parent, 42));
    EXPECT_EQ(r.left, 280);
    EXPECT_EQ(r.top, 180);
    EXPECT_EQ(r.right - r.left, 80);
    EXPECT_EQ(windowText(GetDlgItem(parent, 41)), L"first");
    EXPECT_EQ(GetNextWindow(GetDlgItem(parent, 41), GW_HWNDNEXT), GetDlgItem(parent, 42));
    placeControls(parent, table, {40, 20});
    r = controlRect(GetDlgItem(parent, 41));
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 45);
    EXPECT_EQ(r.bottom - r.top, 40);
}

}  // namespace
