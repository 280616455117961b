// searchwindow.cpp — the look-up window: a search field, ten rows of
// headword and translation around the typed word, corrections in place,
// deletion marks, the clipboard followed, the pair switched from within.
#include "searchwindow.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "appsettings.h"
#include "controltable.h"
#include "drawing.h"
#include "fonts.h"
#include "ids.h"
#include "languagemenu.h"
#include "languagepair.h"
#include "mainwindow.h"
#include "palette.h"
#include "playback.h"
#include "resultrows.h"
#include "searchheadings.h"
#include "sortingwindow.h"
#include "toolwindow.h"
#include "translation.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "windowtext.h"
#include "wordstore.h"

namespace {

struct SearchWindow {
    HWND hwnd = nullptr;
    HWND searchField = nullptr;
    ResultRows rows;
    ColumnFonts fonts;
    bool paletteOn = false;
    HWND nextClipboardViewer = nullptr;
    DWORD lastClipboardChange = 0;  // one change can be reported twice
    bool inClipboardChange = false;
    HMENU liveMenu = nullptr, deletedMenu = nullptr;
};
SearchWindow* g = nullptr;  // the one open search window

constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;

// Created in this order: the button, the search field, the rows.
const ControlSpec kControls[] = {
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kDone), 505, 300, 100, 30,
     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    // No horizontal scrolling: the field takes only as much text as it shows.
    {IDC_SEARCH_FIELD, L"EDIT", L"", 20, 300, 215, 25, kField, WS_EX_CLIENTEDGE},
};

ResultRowsLayout rowsLayout() {
    ResultRowsLayout layout{};
    layout.view = kSearchRowsView;
    layout.source = RecordSource::Dictionary;
    layout.headwords = {IDC_FIRST_HEADWORD, 20, 40, 215, 25, 1, 0, 23};
    layout.translations = {IDC_FIRST_TRANSLATION, 255, 40, 350, 25, 1, 0, 23};
    layout.scrollBarId = IDC_SCROLL_BAR;
    layout.scrollBar = {235, 40, 20, 230};
    layout.fieldStyle = kField | ES_AUTOHSCROLL;
    layout.fieldOptions.reportedKeys[0] = VK_RETURN;
    layout.fieldOptions.forwardContextMenu = true;
    layout.showDeletedMark = true;
    return layout;
}

const LanguagePair& pair() { return *currentPair(); }

// --- committing, deleting, restoring ---------------------------------------

// Enter in a result field writes the row back when that field is not empty
// and the record is live; otherwise it beeps and shows what is stored.
void commitRow(int row, bool fromHeadword) {
    const int32_t index = g->rows.top() + row;
    if (index >= wordStore.dictionaryCount || readDictionaryRecord(index) != 0) return;
    const WordRecord stored = wordStore.recordBuffer;
    std::string head = fieldBytes(g->rows.headwordField(row), kHeadwordChars);
    std::string trans = fieldBytes(g->rows.translationField(row), kTranslationChars);
    const std::string& tested = fromHeadword ? head : trans;
    if (!tested.empty() && !isMarkedDeleted(stored)) {
        copyField(wordStore.recordBuffer.headword, sizeof stored.headword, head);
        copyField(wordStore.recordBuffer.translation, sizeof stored.translation, trans);
        if (writeDictionaryRecord(index) == 0) {
            // A changed headword may leave the file out of order: the re-sort
            // at closing puts it right, whichever field the Enter came from.
            if (fromHeadword || head != stored.headword) appSettings.dictionaryDirty = 1;
        }
    } else {
        MessageBeep(MB_OK);
        HWND field = fromHeadword ? g->rows.headwordField(row) : g->rows.translationField(row);
        const char* text = fromHeadword ? stored.headword : stored.translation;
        SetWindowTextW(field, isMarkedDeleted(stored) ? uiText(ui::kDeleted).c_str()
                                                      : toWide(text, fieldCodePage(field)).c_str());
    }
    SetFocus(g->searchField);
}

void toggleDeleted(int row) {
    const int32_t index = g->rows.top() + row;
    if (index >= wordStore.dictionaryCount || readDictionaryRecord(index) != 0) return;
    wordStore.recordBuffer.deleted = isMarkedDeleted(wordStore.recordBuffer) ? 0 : 1;
    g->rows.showRecord(row, wordStore.recordBuffer);
    if (writeDictionaryRecord(index) == 0) appSettings.dictionaryDirty = 1;
    SetFocus(g->searchField);
}

// --- pronunciations -----------------------------------------------------------

// The pronunciation files of a field: its headword, or each part of its
// translation, those that exist.
std::vector<std::wstring> soundFiles(HWND field, bool isHeadword) {
    const unsigned cp = fieldCodePage(field);
    const std::string text = toBytes(windowText(field).substr(0, kTranslationChars), cp);
    const std::string& language = isHeadword ? pair().name : pair().toName;
    std::vector<std::string> words =
        isHeadword ? std::vector<std::string>{text} : trimmedPieces(text);
    std::vector<std::wstring> files;
    for (const std::string& word : words) {
        std::wstring file = pronunciationFile(language, uiCodePage(), word, cp);
        if (pronunciationExists(file)) files.push_back(file);
    }
    return files;
}

// --- menus --------------------------------------------------------------------

HMENU buildContextMenu(int firstOffset) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_TOGGLE_DELETED, uiText(firstOffset).c_str());
    AppendMenuW(menu, MF_STRING, IDM_COPY, uiText(ui::kCopy).c_str());
    AppendMenuW(menu, MF_STRING, IDM_PASTE, uiText(ui::kPaste).c_str());
    AppendMenuW(menu, MF_STRING, IDM_PLAY, uiText(ui::kPlay).c_str());
    return menu;
}

void checkItems(int on, int off, bool isOn) {
    HMENU menu = GetMenu(g->hwnd);
    CheckMenuItem(menu, on, MF_BYCOMMAND | (isOn ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, off, MF_BYCOMMAND | (isOn ? MF_UNCHECKED : MF_CHECKED));
}

// A field's menu opens at the click point raised by 10 pixels; from the
// keyboard (no point) at the field itself.
void showFieldMenu(HWND field, POINT at) {
    int row;
    bool isHeadword;
    if (!g->rows.rowOf(field, row, isHeadword)) return;
    if (at.x == -1 && at.y == -1) {
        RECT r;
        GetWindowRect(field, &r);
        at = {r.left, r.bottom};
    }
    const int32_t index = g->rows.top() + row;
    bool deleted = index < wordStore.dictionaryCount && readDictionaryRecord(index) == 0 &&
                   isMarkedDeleted(wordStore.recordBuffer);
    HMENU menu = deleted ? g->deletedMenu : g->liveMenu;
    std::vector<std::wstring> sounds = soundFiles(field, isHeadword);
    EnableMenuItem(menu, IDM_PLAY, MF_BYCOMMAND | (sounds.empty() ? MF_GRAYED : MF_ENABLED));
    int command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, at.x, at.y - 10, 0, g->hwnd, nullptr);
    std::wstring pasted;
    switch (command) {
        case IDM_TOGGLE_DELETED: toggleDeleted(row); break;
        case IDM_COPY:
            setClipboardText(g->hwnd, windowText(field).substr(0, kTranslationChars));
            break;
        case IDM_PASTE:
            if (getClipboardText(g->hwnd, pasted)) SetWindowTextW(field, pasted.c_str());
            break;
        case IDM_PLAY: playPronunciations(sounds); break;
    }
}

// --- the pair, the fonts, the palette -------------------------------------

void applyColumnFonts() {
    g->fonts.make(pair().headwordCharset, pair().translationCharset);
    giveColumnFont(g->searchField, g->fonts.headword, g->fonts.headwordCodePage);
    g->rows.applyFonts(g->fonts);
}

void switchPair(int menuId) {
    resortIfDirty();
    if (!choosePairByMenuId(menuId, g->hwnd)) return;
    applyColumnFonts();
    palettePairChanged(pair().headwordCharset, pair().name);
    SetFocus(g->searchField);
    if (g->paletteOn) {
        reopenPalette();
        SetFocus(g->searchField);
    }
    InvalidateRect(g->hwnd, nullptr, TRUE);
    g->rows.showAgain(0);
}

// The search field and the headword fields belong to the pair's headword
// side, the translation fields to its translation side.
void onFieldFocused(HWND field) {
    int row;
    bool isHeadword = true;
    bool translationSide = g->rows.rowOf(field, row, isHeadword) && !isHeadword;
    paletteFieldFocused(field, translationSide ? pair().translationCharset : pair().headwordCharset,
                        translationSide ? pair().toName : pair().name, g->paletteOn);
    if (g->paletteOn) SetFocus(field);
}

// --- the clipboard ----------------------------------------------------------

void joinClipboardChain() {
    g->lastClipboardChange = 0;
    g->nextClipboardViewer = SetClipboardViewer(g->hwnd);
}

void leaveClipboardChain() {
    ChangeClipboardChain(g->hwnd, g->nextClipboardViewer);
    g->nextClipboardViewer = nullptr;
}

void setClipboardSearch(bool on) {
    if ((appSettings.clipSearch == 1) == on) return;
    checkItems(IDM_CLIPBOARD_ON, IDM_CLIPBOARD_OFF, on);
    appSettings.clipSearch = on ? 1 : 0;
    if (on)
        joinClipboardChain();
    else
        leaveClipboardChain();
}

// Text copied in another program is looked up at once and the window comes
// up; a change reported twice, or again while it is handled, counts once.
void onDrawClipboard() {
    DWORD change = GetClipboardSequenceNumber();
    bool fresh = change != g->lastClipboardChange && !g->inClipboardChange;
    g->lastClipboardChange = change;
    std::wstring text;
    if (fresh && GetForegroundWindow() != g->hwnd && getClipboardText(g->hwnd, text)) {
        g->inClipboardChange = true;
        SetWindowTextW(g->searchField, text.c_str());
        if (IsIconic(g->hwnd)) ShowWindow(g->hwnd, SW_RESTORE);
        ShowWindow(g->hwnd, SW_SHOW);
        SetForegroundWindow(g->hwnd);
        g->inClipboardChange = false;
    }
    if (g->nextClipboardViewer) SendMessageW(g->nextClipboardViewer, WM_DRAWCLIPBOARD, 0, 0);
}

void onChangeClipboardChain(HWND leaving, HWND following) {
    if (leaving == g->nextClipboardViewer)
        g->nextClipboardViewer = following;
    else if (g->nextClipboardViewer)
        SendMessageW(g->nextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                     reinterpret_cast<LPARAM>(following));
}

// --- message handlers ---------------------------------------------------------

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    g->liveMenu = buildContextMenu(ui::kDeleteRecord);
    g->deletedMenu = buildContextMenu(ui::kRestoreRecord);
    paletteHostCreated(hwnd, pair().headwordCharset, pair().name);
    createControls(hwnd, kControls, {0, 0}, sharedFonts.buttonFont);
    g->searchField = GetDlgItem(hwnd, IDC_SEARCH_FIELD);
    subclassField(g->searchField, {{VK_RETURN, VK_UP, VK_DOWN}});
    g->rows.create(hwnd, rowsLayout());
    applyColumnFonts();
    appSettings.dictionaryDirty = 0;
    SetFocus(g->searchField);
    g->rows.showAgain(0);
    placeToolWindow(hwnd, PositionKind::Search);
    checkItems(IDM_CLIPBOARD_ON, IDM_CLIPBOARD_OFF, appSettings.clipSearch == 1);
    checkItems(IDM_PALETTE_ON, IDM_PALETTE_OFF, false);
    if (appSettings.clipSearch == 1) joinClipboardChain();
    return TRUE;
}

void closeSearchWindow(HWND hwnd) {
    closePalette();
    resortIfDirty();
    DestroyWindow(hwnd);
}

void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    if (id == IDC_SEARCH_FIELD && g->rows.handleSearchField(control, code)) return;
    int row;
    bool isHeadword;
    if (code == kFieldKeyNotification && g->rows.rowOf(control, row, isHeadword))
        return commitRow(row, isHeadword);
    if (code == EN_SETFOCUS) return onFieldFocused(control);
    if (isPairCommand(id)) return switchPair(id);
    switch (id) {
        case IDC_DONE: closeSearchWindow(hwnd); return;
        case IDM_PALETTE_ON:
            checkItems(IDM_PALETTE_ON, IDM_PALETTE_OFF, true);
            g->paletteOn = true;
            reopenPalette();
            return;
        case IDM_PALETTE_OFF:
            checkItems(IDM_PALETTE_ON, IDM_PALETTE_OFF, false);
            g->paletteOn = false;
            closePalette();
            return;
        case IDM_CLIPBOARD_ON: setClipboardSearch(true); return;
        case IDM_CLIPBOARD_OFF: setClipboardSearch(false); return;
    }
}

void onVScroll(HWND, HWND, UINT code, int position) { g->rows.scroll(code, position); }

// A right click on the window's own background opens the Language menu
// where it was clicked.
void onRButtonUp(HWND hwnd, int x, int y, UINT) {
    int command = popUpLanguageMenu(hwnd, x, y);
    if (isPairCommand(command)) switchPair(command);
}

// The result fields pass their context menus here, from the mouse or the
// keyboard; the window's own (its caption, its frame) is the system's.
bool onContextMenu(HWND target, LPARAM at) {
    if (target == g->hwnd) return false;
    showFieldMenu(target, {GET_X_LPARAM(at), GET_Y_LPARAM(at)});
    return true;
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    paintSearchHeadings(paint.dc, hwnd, pair());
}

void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized && palette.paletteTarget)
        SetFocus(palette.paletteTarget);
}

void onDestroy(HWND hwnd) {
    if (appSettings.clipSearch == 1) leaveClipboardChain();
    DestroyMenu(g->liveMenu);
    DestroyMenu(g->deletedMenu);
    palette.paletteAnchor = nullptr;
    palette.paletteTarget = nullptr;
    finishToolWindow(hwnd, PositionKind::Search);
}

// After the fields are gone (they notify the window while they go): the
// window's state, its fonts with it.
void onNcDestroy(HWND) {
    delete g;
    g = nullptr;
}

LRESULT CALLBACK searchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, onVScroll);
        HANDLE_MSG(hwnd, WM_RBUTTONUP, onRButtonUp);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
        case WM_CONTEXTMENU:
            if (onContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
            break;
        case WM_CLOSE: closeSearchWindow(hwnd); return 0;
        case WM_DRAWCLIPBOARD: onDrawClipboard(); return 0;
        case WM_CHANGECBCHAIN:
            onChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

SearchWindowView searchWindowView() {
    return g ? SearchWindowView{g->rows.top(), g->rows.shownTop()} : SearchWindowView{0, -1};
}

HWND openSearchWindow() {
    if (appSettings.toolWindowOpen || g) return nullptr;
    registerToolClass(L"zoeken", searchWindowProc);
    g = new SearchWindow;
    HWND hwnd = openToolWindow({L"zoeken", uiText(ui::kSearchTitle),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 630, 362,
                                true, resourceName("ZOEKEN")});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}
