// textsearchwindow.cpp — reading a text and looking its words up: a file or
// the clipboard's text in a read-only text box, the word under the caret
// picked on every click or key release there and looked up in three rows.
#include "textsearchwindow.h"

#include <windowsx.h>

#include <commdlg.h>

#include <cstdio>
#include <string>

#include "appsettings.h"
#include "controltable.h"
#include "drawing.h"
#include "fonts.h"
#include "help.h"
#include "ids.h"
#include "languagemenu.h"
#include "languagepair.h"
#include "loadedtext.h"
#include "messagebox.h"
#include "resultrows.h"
#include "searchheadings.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "windowtext.h"
#include "wordpick.h"
#include "wordstore.h"

namespace {

struct TextSearchWindow {
    HWND hwnd = nullptr;
    HWND searchField = nullptr;
    HWND textBox = nullptr;
    ResultRows rows;
    ColumnFonts fonts;
    LoadedText text;             // `loadedText` and `loadedTextSize`
    std::string lastPickedWord;  // at most 99 bytes
    HWND focusMemory = nullptr;  // the search field or the text box
};
TextSearchWindow* g = nullptr;  // the one open window

// The open-file dialog's path and title: the path chosen is offered again
// the next time, for as long as the program runs.
wchar_t chosenPath[260];
wchar_t chosenTitle[512];

constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;

// Created in this order: the text box, the buttons, the search field; then
// the rows.
const ControlSpec kControls[] = {
    {IDC_TEXT_BOX, L"EDIT", L"", 20, 115, 586, 180,
     kField | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
         WS_HSCROLL,
     WS_EX_CLIENTEDGE},
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kDone), 505, 300, 100, 30,
     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    {IDC_TEXT_HELP, L"BUTTON", ControlText::ui(ui::kHelp), 400, 300, 100, 30,
     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    // No horizontal scrolling: typing takes only as much text as the field shows.
    {IDC_SEARCH_FIELD, L"EDIT", L"", 20, 300, 215, 25, kField, WS_EX_CLIENTEDGE},
};

// Three rows of plain fields (what is typed there is never stored); a
// record marked deleted shows its texts. With fewer than three records the
// view stays on the records from the first (the shared clamp), and a failed
// read empties the rows below it rather than leave another view's records.
ResultRowsLayout rowsLayout() {
    ResultRowsLayout layout{};
    layout.view = kTextSearchRowsView;
    layout.source = RecordSource::Dictionary;
    layout.headwords = {IDC_FIRST_HEADWORD, 20, 40, 215, 25, 1, 0, 23};
    layout.translations = {IDC_FIRST_TRANSLATION, 255, 40, 350, 25, 1, 0, 23};
    layout.scrollBarId = IDC_SCROLL_BAR;
    layout.scrollBar = {235, 40, 20, 69};
    layout.fieldStyle = kField | ES_AUTOHSCROLL;
    layout.showDeletedMark = false;
    return layout;
}

const LanguagePair& pair() { return *currentPair(); }

// --- the text -------------------------------------------------------------------

// The text box shows the loaded bytes up to their first NUL, one character
// for each byte (the pair's headword code page is a single-byte one), line
// ends as they are: the caret's character index is then the byte offset in
// the loaded text.
void showLoadedText() {
    SetWindowTextW(g->textBox, toWide(g->text.shownBytes(), g->fonts.headwordCodePage).c_str());
}

// The same bytes read in another code page; the caret and the lines in view
// stay where they were.
void showLoadedTextAgain() {
    DWORD start = 0, end = 0;
    SendMessageW(g->textBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const LRESULT firstLine = SendMessageW(g->textBox, EM_GETFIRSTVISIBLELINE, 0, 0);
    showLoadedText();
    SendMessageW(g->textBox, EM_SETSEL, start, end);
    SendMessageW(g->textBox, EM_LINESCROLL, 0, firstLine);
}

void reportTooLarge() {
    wchar_t text[256];
    swprintf(text, 256, uiText(ui::kTextTooLarge).c_str(), kMaxLoadedTextSize / (1024 * 1024));
    showMessageBox(g->hwnd, text, uiText(ui::kDictionary), MB_OK | MB_ICONWARNING);
}

// Whatever could not be loaded leaves the text shown before as it was: a
// file that cannot be opened says nothing; one too large, or one that
// cannot be read to its end, says so and is not shown half.
void loadTextFile(const wchar_t* path) {
    FILE* file = _wfopen(path, L"rb");
    if (!file) return;
    const TextLoad result = readWholeText(file, g->text);
    std::fclose(file);
    if (result == TextLoad::TooLarge) return reportTooLarge();
    if (result == TextLoad::ReadFailed)
        return void(showMessageBox(g->hwnd, uiText(ui::kReadError), uiText(ui::kError),
                                   MB_OK | MB_ICONWARNING));
    showLoadedText();
    SetFocus(g->textBox);
}

// The program's current folder is the installation folder, which every
// relative path needs: it is put back after the dialog whatever the dialog
// did with it.
void openTextFile() {
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = g->hwnd;
    request.lpstrFilter = L"Text Files (*.TXT)\0*.txt\0All Files (*.*)\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = chosenPath;
    request.nMaxFile = ARRAYSIZE(chosenPath);
    request.lpstrFileTitle = chosenTitle;
    request.nMaxFileTitle = ARRAYSIZE(chosenTitle);
    request.lpstrInitialDir = L"C:\\";
    request.lpstrDefExt = L"txt";
    request.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    wchar_t folder[MAX_PATH * 2];
    const DWORD kept = GetCurrentDirectoryW(ARRAYSIZE(folder), folder);
    const bool chosen = GetOpenFileNameW(&request);
    if (kept && kept < ARRAYSIZE(folder)) SetCurrentDirectoryW(folder);
    if (chosen) loadTextFile(chosenPath);
}

void pasteText() {
    std::string bytes;
    size_t blockSize = 0;
    if (!getClipboardBytes(g->hwnd, g->fonts.headwordCodePage, bytes, blockSize)) return;
    if (takeClipboardBlock(bytes, blockSize, g->text) != TextLoad::Loaded) return reportTooLarge();
    showLoadedText();
    SetFocus(g->textBox);
}

// Taken when the text box reports a click or a key release, before it
// handles it: the caret already stands where the press put it.
void pickAtCaret() {
    DWORD start = 0, end = 0;
    SendMessageW(g->textBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (start > static_cast<DWORD>(g->text.loadedTextSize)) return;
    if (!pickWordAtCaret(g->text.data(), g->text.loadedTextSize, static_cast<int32_t>(start),
                         g->lastPickedWord))
        return;
    // The search field's change looks the word up.
    SetWindowTextW(g->searchField, toWide(g->lastPickedWord, g->fonts.headwordCodePage).c_str());
}

// --- the pair -------------------------------------------------------------------

void applyColumnFonts() {
    const unsigned oldCodePage = g->fonts.headwordCodePage;
    g->fonts.make(pair().headwordCharset, pair().translationCharset);
    giveColumnFont(g->searchField, g->fonts.headword, g->fonts.headwordCodePage);
    g->rows.applyFonts(g->fonts);
    SendMessageW(g->textBox, WM_SETFONT, reinterpret_cast<WPARAM>(g->fonts.headword), TRUE);
    if (g->fonts.headwordCodePage != oldCodePage && !g->text.bytes.empty()) showLoadedTextAgain();
}

// No re-sort first: this window writes no record. The text stays; the word
// picked last is looked up again when it is pointed at.
void switchPair(int menuId) {
    if (!choosePairByMenuId(menuId, g->hwnd)) return;
    applyColumnFonts();
    InvalidateRect(g->hwnd, nullptr, TRUE);
    g->rows.showAgain(0);
    g->lastPickedWord.clear();
}

// --- message handlers -------------------------------------------------------------

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    createControls(hwnd, kControls, {0, 0}, sharedFonts.buttonFont);
    g->textBox = GetDlgItem(hwnd, IDC_TEXT_BOX);
    g->searchField = GetDlgItem(hwnd, IDC_SEARCH_FIELD);
    FieldOptions textBoxOptions;
    textBoxOptions.reportClicks = true;
    textBoxOptions.reportKeyReleases = true;
    subclassField(g->textBox, textBoxOptions);
    subclassField(g->searchField, {{VK_RETURN, VK_UP, VK_DOWN}});
    g->rows.create(hwnd, rowsLayout());
    applyColumnFonts();
    appSettings.dictionaryDirty = 0;
    SetFocus(g->searchField);
    g->rows.showAgain(0);
    placeToolWindow(hwnd, PositionKind::Translate);
    return TRUE;
}

void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    if (id == IDC_SEARCH_FIELD && g->rows.handleSearchField(control, code)) return;
    if (code == EN_SETFOCUS && (control == g->searchField || control == g->textBox)) {
        g->focusMemory = control;
        return;
    }
    if (control == g->textBox) {
        if (code == kFieldClickNotification || code == kFieldKeyReleaseNotification) pickAtCaret();
        return;
    }
    if (isPairCommand(id)) return switchPair(id);
    switch (id) {
        case IDM_OPEN_TEXT_FILE: openTextFile(); return;
        case IDM_PASTE_TEXT: pasteText(); return;
        case IDC_TEXT_HELP: openHelp(hwnd, uiText(ui::kTextSearchHelpKey).c_str()); return;
        case IDC_DONE: DestroyWindow(hwnd); return;
    }
}

void onVScroll(HWND, HWND, UINT code, int position) { g->rows.scroll(code, position); }

// A right click on the window's own background: the Language menu.
void onRButtonUp(HWND hwnd, int x, int y, UINT) {
    int command = popUpLanguageMenu(hwnd, x, y);
    if (isPairCommand(command)) switchPair(command);
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    paintSearchHeadings(paint.dc, hwnd, pair());
}

void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized && g->focusMemory) SetFocus(g->focusMemory);
}

void onDestroy(HWND hwnd) { finishToolWindow(hwnd, PositionKind::Translate); }

// After the fields are gone (they notify the window while they go): the
// window's state, its fonts and its text with it.
void onNcDestroy(HWND) {
    delete g;
    g = nullptr;
}

LRESULT CALLBACK textSearchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, onVScroll);
        HANDLE_MSG(hwnd, WM_RBUTTONUP, onRButtonUp);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

TextSearchWindowView textSearchWindowView() {
    if (!g) return {0, -1, std::string(), 0};
    return {g->rows.top(), g->rows.shownTop(), g->lastPickedWord, g->text.loadedTextSize};
}

HWND openTextSearchWindow() {
    if (appSettings.toolWindowOpen || g) return nullptr;
    registerToolClass(L"vertaal", textSearchWindowProc);
    g = new TextSearchWindow;
    HWND hwnd = openToolWindow({L"vertaal", uiText(ui::kTextSearchTitle),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 630, 362,
                                true, resourceName("READFILE")});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}
