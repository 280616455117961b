// mainwindow.cpp — the main window: the current pair, its icons, the pair
// switch, the four buttons, the settings kept at exit.
#include "mainwindow.h"

#include <windowsx.h>

#include "aboutbox.h"
#include "appsettings.h"
#include "catalogue.h"
#include "drawing.h"
#include "fonts.h"
#include "help.h"
#include "messagebox.h"
#include "pairicons.h"
#include "searchwindow.h"
#include "textconv.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "wordstore.h"

namespace {

struct MainWindow {
    HWND hwnd = nullptr;
    int colourDepth = 0;
    HBITMAP logo = nullptr, logoMask = nullptr;
    SIZE logoSize = {};
    int checkedMenuId = 0;  // the Language item with the check mark, 0 for none
};
MainWindow g;

constexpr int kOuterWidth = 565;
constexpr RECT kTitleRect = {140, 20, 560, 90};
constexpr RECT kNameRect = {140, 102, 560, 160};
constexpr RECT kToNameRect = {140, 172, 560, 230};
constexpr POINT kFromIconAt = {60, 107}, kToIconAt = {60, 177};

struct ButtonSpec {
    int id;
    int textOffset;  // -1: the fixed text "Record"
    RECT rect;       // left, top, width, height
};
const ButtonSpec kButtons[] = {
    {cmd::kAddWords, 77, {10, 280, 120, 30}},
    {cmd::kListEditor, 80, {150, 280, 120, 30}},
    {cmd::kPractice, 78, {290, 280, 120, 30}},
    {cmd::kSearch, 79, {430, 280, 120, 30}},
};
const ButtonSpec kRecordButton = {cmd::kRecord, -1, {10, 240, 120, 30}};

void createButton(HWND parent, const ButtonSpec& b) {
    std::wstring text = b.textOffset >= 0 ? uiText(b.textOffset) : L"Record";
    HWND button = CreateWindowW(
        L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_MULTILINE, b.rect.left,
        b.rect.top, b.rect.right, b.rect.bottom, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(sharedFonts.buttonFont), TRUE);
}

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
    CheckMenuItem(GetMenu(hwnd), cmd::kStayOnTop,
                  MF_BYCOMMAND | (appSettings.stayOnTop == 1 ? MF_CHECKED : MF_UNCHECKED));
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g.hwnd = hwnd;
    loadPairIcons();
    HDC screen = GetDC(nullptr);
    g.colourDepth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (g.colourDepth > 15) loadLogo();
    readWindowSettings();
    for (const ButtonSpec& b : kButtons) createButton(hwnd, b);
    if (appSettings.recordMode) createButton(hwnd, kRecordButton);
    applyStayOnTop(hwnd);
    setStayOnTopCheck(hwnd);
    const SavedPosition& p = savedPosition(PositionKind::Main);
    if (p.top != 9999)
        SetWindowPos(hwnd, nullptr, p.left, p.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

// A vertical gradient of 64 greens from 200 down to 11 (one pen when the
// screen has fewer than 24 bits), and a dark line along the top.
void paintBackground(HDC dc, const RECT& client) {
    HPEN pens[64];
    for (int i = 0; i < 64; ++i) pens[i] = CreatePen(PS_SOLID, 1, RGB(0, 200 - 3 * i, 0));
    HGDIOBJ old = SelectObject(dc, pens[0]);
    const int height = client.bottom;
    for (int y = 0; y < height; ++y) {
        SelectObject(dc, pens[g.colourDepth < 24 ? 32 : y * 63 / height]);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
    HPEN top = CreatePen(PS_SOLID, 1, RGB(25, 25, 25));
    SelectObject(dc, top);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    SelectObject(dc, old);
    DeleteObject(top);
    for (HPEN p : pens) DeleteObject(p);
}

void paintLogo(HDC dc) {
    drawMasked(dc, (kOuterWidth - g.logoSize.cx) / 2, (96 - g.logoSize.cy) / 2, g.logo, g.logoMask);
}

void drawText(HDC dc, HFONT font, const std::wstring& text, const RECT& rect) {
    HGDIOBJ old = SelectObject(dc, font);
    drawRaisedText(dc, text, rect, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old);
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paintBackground(dc, client);
    if (pairIcons.from) DrawIcon(dc, kFromIconAt.x, kFromIconAt.y, pairIcons.from);
    if (pairIcons.to) DrawIcon(dc, kToIconAt.x, kToIconAt.y, pairIcons.to);
    SetBkMode(dc, TRANSPARENT);
    if (g.colourDepth > 15 && g.logo)
        paintLogo(dc);
    else
        drawText(dc, sharedFonts.titleFont, uiText(74), kTitleRect);
    if (const LanguagePair* p = currentPair()) {
        drawText(dc, sharedFonts.pairFont, toWide(p->name, uiCodePage()), kNameRect);
        drawText(dc, sharedFonts.pairFont, toWide(p->toName, uiCodePage()), kToNameRect);
    }
    EndPaint(hwnd, &ps);
}

HMENU languageMenu() { return GetSubMenu(GetMenu(g.hwnd), 1); }

void moveCheckTo(int menuId) {
    if (g.checkedMenuId)
        CheckMenuItem(languageMenu(), g.checkedMenuId, MF_BYCOMMAND | MF_UNCHECKED);
    g.checkedMenuId = menuId;
    if (menuId) CheckMenuItem(languageMenu(), menuId, MF_BYCOMMAND | MF_CHECKED);
}

// The pair becomes current: recorded in the settings file, its word files
// open, its icons shown.
void makeCurrent(LanguagePair* pair) {
    moveCheckTo(pair->menuId);
    catalogue.currentPair = pair;
    selectPair();
    if (!wordStore.dictionaryFile) exitDictionaryMissing(g.hwnd, dictionaryPath());
    loadPairIcons();
    InvalidateRect(g.hwnd, nullptr, FALSE);
}

// A click on either icon swaps the direction of the pair.
void swapDirection() {
    const LanguagePair* now = currentPair();
    for (LanguagePair* p = catalogue.head; p; p = p->next) {
        if (std::string(p->toName) == now->name && std::string(p->name) == now->toName) {
            makeCurrent(p);
            return;
        }
    }
}

void onLButtonDown(HWND, BOOL, int x, int y, UINT) {
    bool inColumn = x >= kFromIconAt.x && x <= kFromIconAt.x + 31;
    bool inFrom = y >= kFromIconAt.y && y <= kFromIconAt.y + 31;
    bool inTo = y >= kToIconAt.y && y <= kToIconAt.y + 31;
    if (inColumn && (inFrom || inTo) && currentPair()) swapDirection();
}

void toggleStayOnTop(HWND hwnd) {
    UINT state = GetMenuState(GetMenu(hwnd), cmd::kStayOnTop, MF_BYCOMMAND);
    appSettings.stayOnTop = (state & MF_CHECKED) ? 0 : 1;
    setStayOnTopCheck(hwnd);
    applyStayOnTop(hwnd);
}

void onCommand(HWND hwnd, int id, HWND, UINT) {
    if (id >= cmd::kFirstPair && id < cmd::kFirstPair + catalogue.size) {
        choosePairByMenuId(id);
        return;
    }
    switch (id) {
        case cmd::kExit: DestroyWindow(hwnd); return;
        case cmd::kHelp: openHelp(hwnd, nullptr); return;
        case cmd::kAbout: showAboutBox(hwnd); return;
        case cmd::kStayOnTop: toggleStayOnTop(hwnd); return;
        case cmd::kSearch:
            if (!appSettings.toolWindowOpen) openSearchWindow();
            return;
        case cmd::kTextSearch:
        case cmd::kAddWords:
        case cmd::kPractice:
        case cmd::kListEditor:
        case cmd::kRecord:
            // The other tool windows are not built yet: these commands do nothing.
            return;
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

HWND mainWindow() { return g.hwnd; }

HWND createMainWindow(int showCommand) {
    static std::wstring menuName;  // the class keeps a pointer to it
    menuName = resourceName("NORVA");
    if (!registerToolClass(L"norva", mainWindowProc, menuName.c_str())) return nullptr;
    int height = 332 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    POINT at = centredOnScreen(kOuterWidth, height);
    HWND hwnd = CreateWindowExW(
        0, L"norva", uiText(74).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        at.x, at.y, kOuterWidth, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return hwnd;
}

void buildLanguageMenu() {
    HMENU popup = CreatePopupMenu();
    int k = 0;
    for (LanguagePair* p = catalogue.head; p; p = p->next, ++k) {
        if (k == catalogue.size / 2 && k > 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        p->menuId = cmd::kFirstPair + k;
        std::wstring text = toWide(p->name, uiCodePage()) + L"\t" + toWide(p->toName, uiCodePage());
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(p->menuId), text.c_str());
    }
    InsertMenuW(GetMenu(g.hwnd), 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                uiText(76).c_str());
    for (LanguagePair* p = catalogue.head; p; p = p->next) {
        if (p->selected == 1) {
            moveCheckTo(p->menuId);
            break;
        }
    }
    DrawMenuBar(g.hwnd);
}

void choosePairByMenuId(int menuId) {
    for (LanguagePair* p = catalogue.head; p; p = p->next)
        if (p->menuId == menuId) return makeCurrent(p);
}
