// listeditor.cpp — the practice-list editor: twelve words of the list on
// the left, ten of the dictionary on the right with a search box; a click
// on a dictionary word appends it to the list, a click on a list word marks
// it for removal or takes the mark away. Every change is written at once;
// marked words leave the file when the editor closes.
#include "listeditor.h"

#include <windowsx.h>

#include <cwchar>

#include "addrandomwindow.h"
#include "appsettings.h"
#include "controltable.h"
#include "drawing.h"
#include "fonts.h"
#include "ids.h"
#include "languagepair.h"
#include "listeditorlayout.h"
#include "listfolders.h"
#include "listsmenu.h"
#include "messagebox.h"
#include "practicelists.h"
#include "printlist.h"
#include "progresswindow.h"
#include "resultrows.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

struct ListEditor {
    HWND hwnd = nullptr, searchField = nullptr, addRandom = nullptr;
    ResultRows listRows, dictionaryRows;
    ColumnFonts fonts;  // the word font: the headword font of the pair
    bool listModified = false;
    bool addRandomOpen = false;
};
ListEditor* g = nullptr;  // the one open editor

constexpr RECT kListNameArea = {23, 68, 408, 85};
constexpr int kDividerX = 408;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr DWORD kWordBox = WS_CHILD | WS_VISIBLE | WS_BORDER;
const ControlSpec kControls[] = {
    {IDC_SEARCH_FIELD, L"EDIT", L"", 425, 305, 160, 25, kWordBox, WS_EX_CLIENTEDGE},
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kDone), 275, 325, 100, 30, kButton},
    {IDC_ADD_ALL, L"BUTTON", ControlText::ui(ui::kAddAll), 45, 285, 157, 30, kButton},
    {IDC_REMOVE_ALL, L"BUTTON", ControlText::ui(ui::kRemoveAll), 218, 285, 157, 30, kButton},
    {IDC_ADD_RANDOM, L"BUTTON", ControlText::ui(ui::kAddRandom), 138, 325, 125, 30, kButton},
    {IDC_PRINT, L"BUTTON", ControlText::ui(ui::kPrint), 45, 325, 80, 30, kButton},
};

}  // namespace

ControlTable listEditorControls() { return {kControls, sizeof kControls / sizeof kControls[0]}; }

ResultRowsLayout listEditorWordBoxes(RecordSource source) {
    ResultRowsLayout layout{};
    layout.source = source;
    layout.fieldStyle = kWordBox;
    layout.fieldOptions.ignoreRightButton = true;
    layout.keepTextAfterFailedRead = true;
    if (source == RecordSource::PracticeList) {
        // Three columns of four: box 100 + 3r + c.
        layout.view = kListBoxesView;
        layout.headwords = {IDC_FIRST_HEADWORD, 35, 86, 120, 35, 3, 120, 33};
        layout.scrollBarId = IDC_SCROLL_BAR;
        layout.scrollBar = {15, 86, 20, 132};
        layout.showDeletedMark = true;
    } else {
        layout.view = kDictionaryBoxesView;
        layout.headwords = {IDC_FIRST_TRANSLATION, 425, 40, 160, 25, 1, 0, 23};
        layout.scrollBarId = IDC_DICTIONARY_SCROLL;
        layout.scrollBar = {585, 40, 20, 230};
        layout.showDeletedMark = false;  // a dictionary word shows as it is
    }
    return layout;
}

namespace {

// --- the two sides --------------------------------------------------------

// After any change of the list its last page shows, with the scroll range
// for its new length.
void showListEnd() { g->listRows.showAgain(wordStore.listCount); }

void focusSearch() { SetFocus(g->searchField); }

void addWord(int box) {
    if (appendDictionaryRecord(g->dictionaryRows.top() + box) == 0) showListEnd();
    focusSearch();
}

void markWord(int box) {
    const int32_t index = g->listRows.top() + box;
    if (index < wordStore.listCount) {
        g->listModified = true;
        if (toggleListMark(index) >= 0) g->listRows.showRecord(box, wordStore.recordBuffer);
    }
    focusSearch();
}

// --- updating, and the list changing under the editor ---------------------

void updateListInPopup() {
    HWND popup = openProgressPopup(
        {L"updating",
         uiText(ui::kUpdateListTitle),
         350,
         120,
         {},
         {{uiText(ui::kUpdatingList), {50, 20, 340, 40}, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX}},
         {0, 0, 0, 0}});
    updateList();
    g->listModified = false;  // also when the list could not be rewritten
    closeProgressPopup(popup);
}

void updateIfModified() {
    if (g && g->listModified) updateListInPopup();
}

// Marks belong to the list they were made in: applied before another list
// becomes current, so that none is left behind in a list the editor no
// longer shows.
void leavingList() { updateIfModified(); }

void showCurrentList() {
    showListEnd();
    focusSearch();
    InvalidateRect(g->hwnd, &kListNameArea, TRUE);
}

void addAll() {
    if (int error = copyDictionaryToList()) {
        wchar_t text[96];
        swprintf(text, 96, L"Could not copy word list file, error code %d   ", error);
        showMessageBox(mainWindow(), text, uiText(ui::kDictionary), MB_OK | MB_ICONWARNING);
    }
    if (!wordStore.dictionaryFile) exitDictionaryMissing(mainWindow(), dictionaryPath());
    showListEnd();
    focusSearch();
}

// --- the add-random window ------------------------------------------------

void randomWordsAdded() {
    if (g) showListEnd();
}

void addRandomClosed() {
    if (!g) return;
    g->addRandomOpen = false;
    g->addRandom = nullptr;
    if (IsWindow(g->searchField)) focusSearch();
}

void openAddRandom() {
    if (g->addRandomOpen && g->addRandom) {
        SetForegroundWindow(g->addRandom);
        BringWindowToTop(g->addRandom);
        return;
    }
    g->addRandomOpen = true;
    g->addRandom = openAddRandomWindow({randomWordsAdded, addRandomClosed});
    if (!g->addRandom) g->addRandomOpen = false;
}

// --- message handlers -------------------------------------------------------

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    g->fonts.make(currentPair()->headwordCharset, currentPair()->translationCharset);
    createControls(hwnd, kControls, {0, 0}, sharedFonts.buttonFont);
    g->searchField = GetDlgItem(hwnd, IDC_SEARCH_FIELD);
    giveColumnFont(g->searchField, g->fonts.headword, g->fonts.headwordCodePage);
    subclassField(g->searchField, {{VK_RETURN, VK_UP, VK_DOWN}});
    g->listRows.create(hwnd, listEditorWordBoxes(RecordSource::PracticeList));
    g->dictionaryRows.create(hwnd, listEditorWordBoxes(RecordSource::Dictionary));
    g->listRows.applyFonts(g->fonts);  // every word box shows headwords
    g->dictionaryRows.applyFonts(g->fonts);
    focusSearch();
    g->dictionaryRows.showAgain(0);
    showListEnd();
    g->listModified = g->addRandomOpen = false;
    placeToolWindow(hwnd, PositionKind::Makelist);
    buildListsMenu(hwnd);  // the editor opens only with a current list
    EnableMenuItem(GetMenu(hwnd), IDM_DELETE_LIST,
                   MF_BYCOMMAND | (practiceLists.listFolderCount > 0 ? MF_ENABLED : MF_GRAYED));
    closeListFile();
    openPracticeList();
    countListRecords();
    showListEnd();  // the list as it is on disk now
    return TRUE;
}

void closeEditor(HWND hwnd) {
    recordPosition(hwnd, PositionKind::Makelist);
    updateIfModified();
    DestroyWindow(hwnd);
}

void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    if (id == IDC_SEARCH_FIELD) {
        g->dictionaryRows.handleSearchField(control, code, EN_UPDATE);
        return;
    }
    if (code == EN_SETFOCUS) {
        int box;
        bool isHeadword;
        if (g->listRows.rowOf(control, box, isHeadword)) return markWord(box);
        if (g->dictionaryRows.rowOf(control, box, isHeadword)) return addWord(box);
        return;
    }
    if (isListCommand(id)) {
        if (chooseList(id, leavingList)) showCurrentList();
        return;
    }
    switch (id) {
        case IDC_DONE: closeEditor(hwnd); return;
        case IDC_ADD_ALL: addAll(); return;
        case IDC_REMOVE_ALL:
            removeAll();
            showListEnd();
            focusSearch();
            return;
        case IDC_ADD_RANDOM: openAddRandom(); return;
        case IDC_PRINT: printList(hwnd); return;
        case IDM_CREATE_LIST:
            if (createNewList(hwnd, leavingList)) showCurrentList();
            return;
        case IDM_DELETE_LIST:
            if (deleteList(hwnd)) {
                g->listModified = false;  // the marks went with the list
                showCurrentList();
            }
            return;
    }
}

void onVScroll(HWND, HWND bar, UINT code, int position) {
    if (GetDlgCtrlID(bar) == IDC_SCROLL_BAR)
        g->listRows.scroll(code, position);
    else
        g->dictionaryRows.scroll(code, position);
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    const HDC dc = paint.dc;
    RECT client;
    GetClientRect(hwnd, &client);
    drawTopLine(dc, client.right);
    {
        HPEN divider = CreatePen(PS_SOLID, 5, RGB(0, 128, 0));
        {
            SelectedObject selected(dc, divider);
            MoveToEx(dc, kDividerX, 5, nullptr);
            LineTo(dc, kDividerX, client.bottom);
        }
        DeleteObject(divider);
    }
    const UINT wrapped = DT_WORDBREAK | DT_NOPREFIX;
    const COLORREF black = RGB(0, 0, 0);
    drawPlainText(dc, sharedFonts.smallFont, black,
                  {uiText(ui::kSearchLabel), {425, 332, 604, 360}, wrapped});
    drawPlainText(dc, sharedFonts.smallFont, black,
                  {uiText(ui::kAddWordsToList), {425, 7, 604, 40}, wrapped});
    drawPlainText(dc, sharedFonts.smallFont, black,
                  {uiText(ui::kClickToAdd), {425, 272, 604, 320}, wrapped});
    drawEmbossedTexts(dc, sharedFonts.listFont,
                      {{uiText(ui::kClickToRemove), {35, 230, 400, 290}, wrapped}});
    drawEmbossedTexts(dc, sharedFonts.listTitleFont,
                      {{uiText(ui::kPracticeListHeading),
                        {0, 10, 408, 80},
                        DT_SINGLELINE | DT_CENTER | DT_NOPREFIX}});
    drawPlainText(dc, sharedFonts.smallFont, black,
                  {toWide(wordStore.currentListName, uiCodePage()), kListNameArea,
                   DT_SINGLELINE | DT_CENTER | DT_NOPREFIX});
}

void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized) focusSearch();
}

void onDestroy(HWND hwnd) {
    recordPosition(hwnd, PositionKind::Makelist);
    if (g->addRandom) DestroyWindow(g->addRandom);
    updateIfModified();
    forgetListsMenu();
    finishToolWindow(hwnd, PositionKind::Makelist);
}

// After the boxes are gone (they notify the window while they go).
void onNcDestroy(HWND) {
    delete g;
    g = nullptr;
}

LRESULT CALLBACK listEditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, onVScroll);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
        case WM_CLOSE: closeEditor(hwnd); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring editorTitle() {
    const LanguagePair& pair = *currentPair();
    return uiText(ui::kListEditorTitle) + L" (" + toWide(pair.name, uiCodePage()) + L"-" +
           toWide(pair.toName, uiCodePage()) + L")";
}

}  // namespace

HWND openListEditor() {
    if (appSettings.toolWindowOpen || g || !currentPair()) return nullptr;
    if (countListFolders() == 0 && !askForNewList(mainWindow())) return nullptr;
    // A list whose folder went away while the program ran is no list: the
    // first one takes its place, as at start-up.
    if (wordStore.currentListName[0] && !listExists()) {
        wordStore.currentListName[0] = '\0';
        practiceLists.listId = IDM_FIRST_LIST;
    }
    if (!wordStore.currentListName[0] && !chooseFirstList()) return nullptr;
    countListFolders();
    registerToolClass(L"lijst", listEditorProc);
    g = new ListEditor;
    HWND hwnd = openToolWindow({L"lijst", editorTitle(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 625, 367,
                                true, resourceName("LIST")});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}
