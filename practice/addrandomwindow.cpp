// addrandomwindow.cpp — asking for a number of random words: a count
// outside 1 .. the dictionary's size empties the count box and the window
// stays; an accepted count draws the words and closes it.
#include "addrandomwindow.h"

#include <windowsx.h>

#include <string>

#include "appsettings.h"
#include "controltable.h"
#include "drawing.h"
#include "fieldoptions.h"
#include "fonts.h"
#include "ids.h"
#include "listeditorlayout.h"
#include "randomwords.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "windowtext.h"
#include "wordstore.h"

namespace {

struct AddRandomWindow {
    HWND hwnd = nullptr, countBox = nullptr;
    AddRandomEvents events{};
};
AddRandomWindow g;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
const ControlSpec kControls[] = {
    // Toggled by the window itself, so that the focus can go back to the count box.
    {IDC_DELETE_OLD, L"BUTTON", ControlText::ui(ui::kDeleteOldList), 5, 5, 300, 30,
     WS_CHILD | WS_VISIBLE | BS_CHECKBOX},
    {IDC_SEARCH_FIELD, L"EDIT", L"", 5, 80, 90, 25, WS_CHILD | WS_VISIBLE | WS_BORDER,
     WS_EX_CLIENTEDGE},
    {IDC_RANDOM_OK, L"BUTTON", ControlText::ui(ui::kOk), 120, 80, 80, 25, kButton},
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kCancel), 220, 80, 80, 25, kButton},
};

}  // namespace

ControlTable addRandomControls() { return {kControls, sizeof kControls / sizeof kControls[0]}; }

namespace {

HWND checkBox() { return GetDlgItem(g.hwnd, IDC_DELETE_OLD); }

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g.hwnd = hwnd;
    createControls(hwnd, kControls, {0, 0}, sharedFonts.buttonFont);
    g.countBox = GetDlgItem(hwnd, IDC_SEARCH_FIELD);
    subclassField(g.countBox, {{VK_RETURN}});
    Button_SetCheck(checkBox(), BST_CHECKED);
    placeToolWindow(hwnd, PositionKind::None);
    SetFocus(g.countBox);
    return TRUE;
}

void addWords(HWND hwnd) {
    const std::string text = toBytes(windowText(g.countBox).substr(0, kRandomCountChars), 1252);
    const int32_t n = parseRandomCount(text);
    if (!randomCountAccepted(n, wordStore.dictionaryCount)) {
        SetWindowTextW(g.countBox, L"");
        SetFocus(g.countBox);
        return;
    }
    addRandomWords(n, Button_GetCheck(checkBox()) == BST_CHECKED, runtimeRandom15);
    if (g.events.added) g.events.added();
    DestroyWindow(hwnd);
}

void onCommand(HWND hwnd, int id, HWND, UINT code) {
    switch (id) {
        case IDC_DELETE_OLD:
            Button_SetCheck(checkBox(), Button_GetCheck(checkBox()) == BST_CHECKED ? BST_UNCHECKED
                                                                                   : BST_CHECKED);
            SetFocus(g.countBox);
            return;
        case IDC_SEARCH_FIELD:
            if (code == kFieldKeyNotification) addWords(hwnd);
            return;
        case IDC_RANDOM_OK: addWords(hwnd); return;
        case IDC_DONE: DestroyWindow(hwnd); return;
    }
}

// The question with the dictionary's size; every repaint gives the focus
// back to the count box.
void onPaint(HWND hwnd) {
    {
        PaintDc paint(hwnd);
        const std::wstring question =
            uiText(ui::kNumberOfWords) + std::to_wstring(wordStore.dictionaryCount) + L") ?";
        drawPlainText(paint.dc, sharedFonts.buttonFont, RGB(0, 0, 0),
                      {question, {7, 43, 320, 60}, DT_WORDBREAK | DT_NOPREFIX});
    }
    SetFocus(g.countBox);
}

// The check box stands on the window's own light grey, not on the system's
// button colour.
HBRUSH onCtlColorStatic(HWND, HDC dc, HWND, int) {
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

void onDestroy(HWND) {
    const AddRandomEvents events = g.events;
    g = AddRandomWindow{};
    if (events.closed) events.closed();
}

LRESULT CALLBACK addRandomProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, onCtlColorStatic);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND openAddRandomWindow(const AddRandomEvents& events) {
    if (g.hwnd) return g.hwnd;
    registerToolClass(L"addrandom", addRandomProc);
    g.events = events;
    HWND hwnd = createToolWindow({L"addrandom", uiText(ui::kAddRandomTitle),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 325, 145, false});
    if (!hwnd) g = AddRandomWindow{};
    return hwnd;
}
