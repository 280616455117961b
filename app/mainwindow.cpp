// mainwindow.cpp — the main window: the current pair, its icons, the pair
// switch, the four buttons, the settings kept at exit.
#include "mainwindow.h"

#include <windowsx.h>

#include "aboutbox.h"
#include "addwordswindow.h"
#include "appsettings.h"
#include "controltable.h"
#include "drawing.h"
#include "fonts.h"
#include "help.h"
#include "ids.h"
#include "languagemenu.h"
#include "languagepair.h"
#include "listeditor.h"
#include "pairicons.h"
#include "practicewindow.h"
#include "recorderwindow.h"
#include "searchwindow.h"
#include "textsearchwindow.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

struct MainWindow {
    HWND hwnd = nullptr;
    int colourDepth = 0;
    HBITMAP logo = nullptr, logoMask = nullptr;
    SIZE logoSize = {};
};
MainWindow g;

constexpr int kOuterWidth = 565;
constexpr RECT kTitleRect = {140, 20, 560, 90};
constexpr RECT kNameRect = {140, 102, 560, 160};
constexpr RECT kToNameRect = {140, 172, 560, 230};
constexpr POINT kFromIconAt = {60, 107}, kToIconAt = {60, 177};

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_MULTILINE;
const ControlSpec kButtons[] = {
    {IDM_ADD_WORDS, L"BUTTON", ControlText::ui(ui::kAddWordsButton), 10, 280, 120, 30, kButton},
    {IDM_LIST_EDITOR, L"BUTTON", ControlText::ui(ui::kCreatePracticeList), 150, 280, 120, 30,
     kButton},
    {IDM_PRACTICE, L"BUTTON", ControlText::ui(ui::kStartPractice), 290, 280, 120, 30, kButton},
    {IDM_SEARCH, L"BUTTON", ControlText::ui(ui::kSearchButton), 430, 280, 120, 30, kButton},
};
// Present in record mode only.
const ControlSpec kRecordButton[] = {{IDM_RECORD, L"BUTTON", L"Record", 10, 240, 120, 30, kButton}};

// logo.bmp with a mask: its top-left colour is transparent, and those
// pixels turn black in the bitmap so that AND-mask then OR-bitmap draws it.
void loadLogo() {
    g.logo =
        static_cast<HBITMAP>(LoadImageW(nullptr, L"logo.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!g.logo) return;
    BITMAP bm;
    GetObjectW(g.logo, sizeof bm, &bm);
    g.logoSize = {bm.bmWidth, bm.bmHeight};
    HDC image = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(image, g.logo);
    COLORREF transparent = GetPixel(image, 0, 0);
    SelectObject(image, old);
    DeleteDC(image);
    g.logoMask = makeTransparentMask(g.logo, transparent);
}

void releaseLogo() {
    if (g.logo) DeleteObject(g.logo);
    if (g.logoMask) DeleteObject(g.logoMask);
    g.logo = g.logoMask = nullptr;
}

void setStayOnTopCheck(HWND hwnd) {
    CheckMenuItem(GetMenu(hwnd), IDM_STAY_ON_TOP,
                  MF_BYCOMMAND | (appSettings.stayOnTop == 1 ? MF_CHECKED : MF_UNCHECKED));
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g.hwnd = hwnd;
    setMainWindow(hwnd);
    loadPairIcons();
    HDC screen = GetDC(nullptr);
    g.colourDepth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (g.colourDepth > 15) loadLogo();
    readWindowSettings();
    createControls(hwnd, kButtons, {0, 0}, sharedFonts.buttonFont);
    if (appSettings.recordMode) createControls(hwnd, kRecordButton, {0, 0}, sharedFonts.buttonFont);
    placeToolWindow(hwnd, PositionKind::Main);
    setStayOnTopCheck(hwnd);
    return TRUE;
}

void paintLogo(HDC dc) {
    drawMasked(dc, (kOuterWidth - g.logoSize.cx) / 2, (96 - g.logoSize.cy) / 2, g.logo, g.logoMask);
}

void drawText(HDC dc, HFONT font, const std::wstring& text, const RECT& rect) {
    SelectedObject selected(dc, font);
    drawRaisedText(dc, text, rect, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
}

void drawDarkTopLine(HDC dc, const RECT& client) {
    HPEN line = CreatePen(PS_SOLID, 1, RGB(25, 25, 25));
    {
        SelectedObject selected(dc, line);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, client.right, 0);
    }
    DeleteObject(line);
}

// A vertical gradient of greens (one shade on screens of fewer than 24
// bits) under a dark top line; the icons; the logo, or the title; the names.
void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    const HDC dc = paint.dc;
    RECT client;
    GetClientRect(hwnd, &client);
    fillGradient(dc, client, GradientHue::Green, g.colourDepth >= 24);
    drawDarkTopLine(dc, client);
    if (pairIcons.from) DrawIcon(dc, kFromIconAt.x, kFromIconAt.y, pairIcons.from);
    if (pairIcons.to) DrawIcon(dc, kToIconAt.x, kToIconAt.y, pairIcons.to);
    SetBkMode(dc, TRANSPARENT);
    if (g.colourDepth > 15 && g.logo)
        paintLogo(dc);
    else
        drawText(dc, sharedFonts.titleFont, uiText(ui::kProgramTitle), kTitleRect);
    if (const LanguagePair* p = currentPair()) {
        drawText(dc, sharedFonts.pairFont, toWide(p->name, uiCodePage()), kNameRect);
        drawText(dc, sharedFonts.pairFont, toWide(p->toName, uiCodePage()), kToNameRect);
    }
}

void onLButtonDown(HWND, BOOL, int x, int y, UINT) {
    bool inColumn = x >= kFromIconAt.x && x <= kFromIconAt.x + 31;
    bool inFrom = y >= kFromIconAt.y && y <= kFromIconAt.y + 31;
    bool inTo = y >= kToIconAt.y && y <= kToIconAt.y + 31;
    if (inColumn && (inFrom || inTo)) swapDirection();
}

void toggleStayOnTop(HWND hwnd) {
    UINT state = GetMenuState(GetMenu(hwnd), IDM_STAY_ON_TOP, MF_BYCOMMAND);
    appSettings.stayOnTop = (state & MF_CHECKED) ? 0 : 1;
    setStayOnTopCheck(hwnd);
    applyStayOnTop(hwnd);
}

void onCommand(HWND hwnd, int id, HWND, UINT) {
    if (isPairCommand(id)) {
        choosePairByMenuId(id, hwnd);
        return;
    }
    switch (id) {
        case IDM_EXIT:
            // An open tool window closes the way it always does (a changed
            // dictionary is re-sorted, its position kept) before the program ends.
            closeOpenToolWindow();
            DestroyWindow(hwnd);
            return;
        case IDM_HELP: openHelp(hwnd, nullptr); return;
        case IDM_ABOUT: showAboutBox(hwnd); return;
        case IDM_STAY_ON_TOP: toggleStayOnTop(hwnd); return;
        case IDM_SEARCH: openSearchWindow(); return;
        case IDM_PRACTICE: startPractice(); return;
        case IDM_ADD_WORDS: openAddWordsWindow(); return;
        case IDM_RECORD:
            if (appSettings.recordMode) openRecorderWindow();  // no recorder otherwise
            return;
        case IDM_TEXT_SEARCH: openTextSearchWindow(); return;
        case IDM_LIST_EDITOR: openListEditor(); return;
    }
}

void onMove(HWND hwnd, int, int) { recordPosition(hwnd, PositionKind::Main); }

void onDestroy(HWND hwnd) {
    recordPosition(hwnd, PositionKind::Main);
    writeExitSettings();
    releaseLogo();
    releasePairIcons();
    closeWordFiles();
    deleteSharedFonts();
    g = MainWindow{};
    setMainWindow(nullptr);
    PostQuitMessage(0);
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, onLButtonDown);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_MOVE, onMove);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND createMainWindow(int showCommand) {
    static std::wstring menuName;  // the registered class keeps a pointer to it
    menuName = resourceName("NORVA");
    if (!registerToolClass(L"norva", mainWindowProc, menuName.c_str())) return nullptr;
    int height = 332 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    POINT at = centredOnScreen(kOuterWidth, height);
    HWND hwnd =
        CreateWindowExW(0, L"norva", uiText(ui::kProgramTitle).c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, at.x, at.y,
                        kOuterWidth, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return hwnd;
}
