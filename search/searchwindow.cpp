// searchwindow.cpp — the look-up window: a search field, ten rows of
// headword and translation around the typed word, corrections in place,
// deletion marks, the clipboard followed, the pair switched from within.
#include "searchwindow.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <string>

#include "appsettings.h"
#include "drawing.h"
#include "fonts.h"
#include "languagepair.h"
#include "lookup.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "palette.h"
#include "searchview.h"
#include "sortingwindow.h"
#include "textconv.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "wordstore.h"

namespace {

enum ControlId {
    kSearchField = 30,
    kScrollBar = 41,
    kDone = 14,
    kFirstHeadword = 100,
    kFirstTranslation = 120,
};
enum CommandId {
    kPaletteOn = 6,
    kPaletteOff = 7,
    kToggleDeleted = 50,
    kCopy = 53,
    kPaste = 54,
    kClipboardOn = 56,
    kClipboardOff = 57,
    kPlay = 58,
};
constexpr int kDeletedText = 33;

struct SearchWindow {
    HWND hwnd = nullptr;
    HWND searchField = nullptr;
    HWND headword[kSearchRows] = {};
    HWND translation[kSearchRows] = {};
    HWND scroll = nullptr;
    int32_t topIndex = 0;
    int32_t shownTopIndex = -1;
    bool paletteOn = false;
    HWND nextClipboardViewer = nullptr;
    DWORD lastClipboardChange = 0;  // one change can be reported twice
    bool inClipboardChange = false;
    HFONT headwordFont = nullptr, translationFont = nullptr;
    HMENU liveMenu = nullptr, deletedMenu = nullptr;
};
SearchWindow g;

const LanguagePair& pair() { return *currentPair(); }
unsigned headwordCodePage() { return windowCodePage(pair().headwordCharset); }
unsigned translationCodePage() { return windowCodePage(pair().translationCharset); }

std::wstring fieldText(HWND field) {
    int n = GetWindowTextLengthW(field);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(field, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

// The field's text as the bytes of its code page, at most `chars` of them.
std::string fieldBytes(HWND field, size_t chars) {
    return toBytes(fieldText(field), fieldCodePage(field)).substr(0, chars);
}

// Which row a result field belongs to, and whether it is a headword field.
bool rowOf(HWND field, int& row, bool& isHeadword) {
    int id = GetDlgCtrlID(field);
    isHeadword = id >= kFirstHeadword && id < kFirstHeadword + kSearchRows;
    bool isTranslation = id >= kFirstTranslation && id < kFirstTranslation + kSearchRows;
    row = id - (isHeadword ? kFirstHeadword : kFirstTranslation);
    return isHeadword || isTranslation;
}

// --- the rows -------------------------------------------------------------

// Sets a field's text only when it changes: every text set costs the edit
// control a new layout, and a look-up often leaves rows as they were.
void setText(HWND field, const std::wstring& text) {
    if (fieldText(field) != text) SetWindowTextW(field, text.c_str());
}

void showRecordInRow(int row, const WordRecord& r) {
    if (isMarkedDeleted(r)) {
        setText(g.headword[row], uiText(kDeletedText));
        setText(g.translation[row], uiText(kDeletedText));
        return;
    }
    setText(g.headword[row], toWide(r.headword, headwordCodePage()));
    setText(g.translation[row], toWide(r.translation, translationCodePage()));
}

void showRows() {
    int row = 0;
    for (; row < kSearchRows; ++row) {
        if (readDictionaryRecord(g.topIndex + row) != 0) break;
        showRecordInRow(row, wordStore.recordBuffer);
    }
    for (; row < kSearchRows; ++row) {
        setText(g.headword[row], L"");
        setText(g.translation[row], L"");
    }
    // Redrawn with the next paint rather than at once: the rows are what the
    // user waits for.
    if (SetScrollPos(g.scroll, SB_CTL, g.topIndex / 10, FALSE) != g.topIndex / 10)
        InvalidateRect(g.scroll, nullptr, FALSE);
    g.shownTopIndex = g.topIndex;
}

void updateView() {
    if (g.topIndex == g.shownTopIndex) return;
    g.topIndex = clampTopIndex(g.topIndex, wordStore.dictionaryCount);
    showRows();
}

void resetScrollRange() {
    SetScrollRange(g.scroll, SB_CTL, 0, scrollRangeMax(wordStore.dictionaryCount), TRUE);
}

void lookUpSearchText() {
    std::string key = fieldBytes(g.searchField, kSearchKeyChars);
    g.topIndex = findWord(key.c_str());
    updateView();
}

// --- committing, deleting, restoring ---------------------------------------

// Enter in a result field writes the row back when that field is not empty
// and the record is live; otherwise it beeps and shows what is stored.
void commitRow(int row, bool fromHeadword) {
    const int32_t index = g.topIndex + row;
    if (readDictionaryRecord(index) != 0) return;  // a row without a record
    const WordRecord stored = wordStore.recordBuffer;
    std::string head = fieldBytes(g.headword[row], kHeadwordChars);
    std::string trans = fieldBytes(g.translation[row], kTranslationChars);
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
        HWND field = fromHeadword ? g.headword[row] : g.translation[row];
        if (isMarkedDeleted(stored))
            SetWindowTextW(field, uiText(kDeletedText).c_str());
        else if (fromHeadword)
            SetWindowTextW(field, toWide(stored.headword, headwordCodePage()).c_str());
        else
            SetWindowTextW(field, toWide(stored.translation, translationCodePage()).c_str());
    }
    SetFocus(g.searchField);
}

void toggleDeleted(int row) {
    const int32_t index = g.topIndex + row;
    if (readDictionaryRecord(index) != 0) return;
    wordStore.recordBuffer.deleted = isMarkedDeleted(wordStore.recordBuffer) ? 0 : 1;
    showRecordInRow(row, wordStore.recordBuffer);
    if (writeDictionaryRecord(index) == 0) appSettings.dictionaryDirty = 1;
    SetFocus(g.searchField);
}

// --- clipboard, sound ---------------------------------------------------------

bool clipboardText(std::wstring& text) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(g.hwnd)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            got = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return got;
}

void copyToClipboard(HWND field) {
    std::wstring text = fieldText(field).substr(0, kTranslationChars);
    if (!OpenClipboard(g.hwnd)) return;
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(data), text.c_str(), bytes);
        GlobalUnlock(data);
        if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
    }
    CloseClipboard();
}

// The pronunciation files of a field: its headword, or each part of its translation.
std::vector<std::wstring> soundFiles(HWND field, bool isHeadword) {
    std::vector<std::wstring> files;
    std::wstring text = fieldText(field).substr(0, kTranslationChars);
    const unsigned cp = fieldCodePage(field);
    std::string language = isHeadword ? pair().name : pair().toName;
    std::vector<std::string> words = isHeadword ? std::vector<std::string>{toBytes(text, cp)}
                                                : translationParts(toBytes(text, cp));
    for (const std::string& word : words) {
        if (word.empty()) continue;
        std::wstring path = toWide(soundFilePath(language, ""), uiCodePage());
        path = path.substr(0, path.size() - 4) + toWide(word, cp) + L".wav";
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) files.push_back(path);
    }
    return files;
}

void play(HWND field, bool isHeadword) {
    for (const std::wstring& file : soundFiles(field, isHeadword))
        PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

// --- menus --------------------------------------------------------------------

HMENU buildContextMenu(int firstOffset) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kToggleDeleted, uiText(firstOffset).c_str());
    AppendMenuW(menu, MF_STRING, kCopy, uiText(88).c_str());
    AppendMenuW(menu, MF_STRING, kPaste, uiText(89).c_str());
    AppendMenuW(menu, MF_STRING, kPlay, uiText(90).c_str());
    return menu;
}

void checkItems(int on, int off, bool isOn) {
    HMENU menu = GetMenu(g.hwnd);
    CheckMenuItem(menu, on, MF_BYCOMMAND | (isOn ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, off, MF_BYCOMMAND | (isOn ? MF_UNCHECKED : MF_CHECKED));
}

void showFieldMenu(HWND field, int x, int y) {
    int row;
    bool isHeadword;
    if (!rowOf(field, row, isHeadword)) return;
    bool deleted =
        readDictionaryRecord(g.topIndex + row) == 0 && isMarkedDeleted(wordStore.recordBuffer);
    HMENU menu = deleted ? g.deletedMenu : g.liveMenu;
    EnableMenuItem(menu, kPlay,
                   MF_BYCOMMAND | (soundFiles(field, isHeadword).empty() ? MF_GRAYED : MF_ENABLED));
    int command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, x, y - 10, 0, g.hwnd, nullptr);
    std::wstring pasted;
    switch (command) {
        case kToggleDeleted: toggleDeleted(row); break;
        case kCopy: copyToClipboard(field); break;
        case kPaste:
            if (clipboardText(pasted)) SetWindowTextW(field, pasted.c_str());
            break;
        case kPlay: play(field, isHeadword); break;
    }
}

// --- the pair, the fonts, the palette -------------------------------------

void applyColumnFonts() {
    if (g.headwordFont) DeleteObject(g.headwordFont);
    if (g.translationFont) DeleteObject(g.translationFont);
    g.headwordFont = createUiFont(11, 400, L"Times New Roman", pair().headwordCharset);
    g.translationFont = createUiFont(11, 400, L"Times New Roman", pair().translationCharset);
    auto give = [](HWND field, HFONT font, unsigned cp) {
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        setFieldCodePage(field, cp);
    };
    give(g.searchField, g.headwordFont, headwordCodePage());
    for (int i = 0; i < kSearchRows; ++i) {
        give(g.headword[i], g.headwordFont, headwordCodePage());
        give(g.translation[i], g.translationFont, translationCodePage());
    }
}

void switchPair(int menuId) {
    resortIfDirty();
    choosePairByMenuId(menuId);
    applyColumnFonts();
    SetFocus(g.searchField);
    palettePairChanged(pair().headwordCharset, pair().name, g.paletteOn);
    if (g.paletteOn) SetFocus(g.searchField);
    InvalidateRect(g.hwnd, nullptr, TRUE);
    g.topIndex = 0;
    showRows();
    resetScrollRange();
    SetScrollPos(g.scroll, SB_CTL, 0, TRUE);
}

void onFieldFocused(HWND field) {
    int row;
    bool isHeadword = true;
    bool isResult = rowOf(field, row, isHeadword);
    bool translationSide = isResult && !isHeadword;
    paletteFieldFocused(field, translationSide ? pair().translationCharset : pair().headwordCharset,
                        translationSide ? pair().toName : pair().name, g.paletteOn);
    if (g.paletteOn) SetFocus(field);
}

// --- creation and the controls ------------------------------------------------

HWND createField(HWND parent, int id, int x, int y, int width, bool autoScroll) {
    DWORD style =
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | (autoScroll ? ES_AUTOHSCROLL : 0);
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, x, y, width, 25, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void createControls(HWND hwnd) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND done =
        CreateWindowW(L"BUTTON", uiText(7).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 505, 300,
                      100, 30, hwnd, reinterpret_cast<HMENU>(kDone), instance, nullptr);
    SendMessageW(done, WM_SETFONT, reinterpret_cast<WPARAM>(sharedFonts.buttonFont), FALSE);
    g.searchField = createField(hwnd, kSearchField, 20, 300, 215, false);
    subclassField(g.searchField, {{VK_RETURN, VK_UP, VK_DOWN}, false, 0});
    for (int i = 0; i < kSearchRows; ++i) {
        g.headword[i] = createField(hwnd, kFirstHeadword + i, 20, 40 + 23 * i, 215, true);
        subclassField(g.headword[i], {{VK_RETURN}, true, 0});
    }
    for (int i = 0; i < kSearchRows; ++i) {
        g.translation[i] = createField(hwnd, kFirstTranslation + i, 255, 40 + 23 * i, 350, true);
        subclassField(g.translation[i], {{VK_RETURN}, true, 0});
    }
    g.scroll = CreateWindowW(L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 235, 40, 20, 230,
                             hwnd, reinterpret_cast<HMENU>(kScrollBar), instance, nullptr);
    applyColumnFonts();
}

void joinClipboardChain() {
    g.lastClipboardChange = 0;
    g.nextClipboardViewer = SetClipboardViewer(g.hwnd);
}

void leaveClipboardChain() {
    ChangeClipboardChain(g.hwnd, g.nextClipboardViewer);
    g.nextClipboardViewer = nullptr;
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g = SearchWindow{};
    g.hwnd = hwnd;
    g.liveMenu = buildContextMenu(85);
    g.deletedMenu = buildContextMenu(86);
    paletteHostCreated(hwnd, pair().headwordCharset, pair().name);
    createControls(hwnd);
    appSettings.dictionaryDirty = 0;
    SetFocus(g.searchField);
    resetScrollRange();
    g.topIndex = 0;
    showRows();
    placeToolWindow(hwnd, PositionKind::Search);
    checkItems(kClipboardOn, kClipboardOff, appSettings.clipSearch == 1);
    checkItems(kPaletteOn, kPaletteOff, false);
    if (appSettings.clipSearch == 1) joinClipboardChain();
    return TRUE;
}

// --- message handlers ---------------------------------------------------------

void onSearchFieldKey(UINT key) {
    if (key == VK_RETURN) {
        SetWindowTextW(g.searchField, L"");  // looks up the empty text: the first records
        return;
    }
    g.topIndex = topIndexAfterArrow(key == VK_DOWN, g.topIndex, wordStore.dictionaryCount);
    updateView();
}

void closeSearchWindow(HWND hwnd) {
    closePalette();
    resortIfDirty();
    DestroyWindow(hwnd);
}

void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    int row;
    bool isHeadword;
    if (code == kFieldKeyNotification) {
        if (id == kSearchField)
            onSearchFieldKey(reportedKey(control));
        else if (rowOf(control, row, isHeadword))
            commitRow(row, isHeadword);
        return;
    }
    if (id == kSearchField && code == EN_CHANGE) return lookUpSearchText();
    if (code == EN_SETFOCUS) return onFieldFocused(control);
    if (id >= cmd::kFirstPair && id < cmd::kFirstPair + catalogue.size) return switchPair(id);
    switch (id) {
        case kDone: closeSearchWindow(hwnd); return;
        case kPaletteOn:
            checkItems(kPaletteOn, kPaletteOff, true);
            g.paletteOn = true;
            reopenPalette();
            return;
        case kPaletteOff:
            checkItems(kPaletteOn, kPaletteOff, false);
            g.paletteOn = false;
            closePalette();
            return;
        case kClipboardOn:
            if (appSettings.clipSearch == 1) return;
            checkItems(kClipboardOn, kClipboardOff, true);
            appSettings.clipSearch = 1;
            joinClipboardChain();
            return;
        case kClipboardOff:
            if (appSettings.clipSearch != 1) return;
            checkItems(kClipboardOn, kClipboardOff, false);
            appSettings.clipSearch = 0;
            leaveClipboardChain();
            return;
    }
}

void onVScroll(HWND, HWND, UINT code, int position) {
    // The message carries 16 bits of position; a long dictionary needs the
    // scroll bar's own 32-bit track position.
    SCROLLINFO info = {sizeof info, SIF_TRACKPOS | SIF_RANGE};
    GetScrollInfo(g.scroll, SB_CTL, &info);
    if (info.nMax <= 0xFFFF) info.nTrackPos = position;
    ScrollAction action = code == SB_LINEUP          ? ScrollAction::LineUp
                          : code == SB_LINEDOWN      ? ScrollAction::LineDown
                          : code == SB_PAGEUP        ? ScrollAction::PageUp
                          : code == SB_PAGEDOWN      ? ScrollAction::PageDown
                          : code == SB_THUMBPOSITION ? ScrollAction::ThumbReleased
                                                     : ScrollAction::Other;
    g.topIndex = topIndexAfterScroll(action, g.topIndex, wordStore.dictionaryCount, info.nTrackPos);
    updateView();
}

// A right click on a field opens its menu; on the background, the Language menu.
void onContextMenu(HWND hwnd, HWND target, UINT x, UINT y) {
    if (target != hwnd) return showFieldMenu(target, static_cast<int>(x), static_cast<int>(y));
    HMENU languages = GetSubMenu(GetMenu(mainWindow()), 1);
    int command = TrackPopupMenu(languages, TPM_RETURNCMD | TPM_LEFTALIGN, static_cast<int>(x),
                                 static_cast<int>(y), 0, hwnd, nullptr);
    if (command >= cmd::kFirstPair && command < cmd::kFirstPair + catalogue.size)
        switchPair(command);
}

void onRButtonUp(HWND hwnd, int x, int y, UINT) {
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    onContextMenu(hwnd, hwnd, static_cast<UINT>(p.x), static_cast<UINT>(p.y));
}

// Text copied in another program is looked up at once and the window comes
// up; a change reported twice, or again while it is handled, counts once.
void onDrawClipboard() {
    DWORD change = GetClipboardSequenceNumber();
    bool fresh = change != g.lastClipboardChange && !g.inClipboardChange;
    g.lastClipboardChange = change;
    std::wstring text;
    if (fresh && GetForegroundWindow() != g.hwnd && clipboardText(text)) {
        g.inClipboardChange = true;
        SetWindowTextW(g.searchField, text.c_str());
        if (IsIconic(g.hwnd)) ShowWindow(g.hwnd, SW_RESTORE);
        ShowWindow(g.hwnd, SW_SHOW);
        SetForegroundWindow(g.hwnd);
        g.inClipboardChange = false;
    }
    if (g.nextClipboardViewer) SendMessageW(g.nextClipboardViewer, WM_DRAWCLIPBOARD, 0, 0);
}

void onChangeClipboardChain(HWND leaving, HWND following) {
    if (leaving == g.nextClipboardViewer)
        g.nextClipboardViewer = following;
    else if (g.nextClipboardViewer)
        SendMessageW(g.nextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                     reinterpret_cast<LPARAM>(following));
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HPEN line = CreatePen(PS_SOLID, 1, RGB(224, 224, 224));
    HGDIOBJ oldPen = SelectObject(dc, line);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    SelectObject(dc, oldPen);
    DeleteObject(line);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, sharedFonts.searchHeadFont);
    const UINT heading = DT_SINGLELINE | DT_CENTER | DT_NOPREFIX;
    drawEmbossedText(dc, toWide(pair().name, uiCodePage()), {20, 10, 235, 40}, heading);
    drawEmbossedText(dc, toWide(pair().toName, uiCodePage()), {255, 10, 605, 40}, heading);
    SelectObject(dc, sharedFonts.smallFont);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT label = {20, 330, 100, 350};
    std::wstring search = uiText(28);
    DrawTextW(dc, search.c_str(), static_cast<int>(search.size()), &label,
              DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized && palette.paletteTarget)
        SetFocus(palette.paletteTarget);
}

void onDestroy(HWND hwnd) {
    if (appSettings.clipSearch == 1) leaveClipboardChain();
    DestroyMenu(g.liveMenu);
    DestroyMenu(g.deletedMenu);
    DeleteObject(g.headwordFont);
    DeleteObject(g.translationFont);
    palette.paletteAnchor = nullptr;
    palette.paletteTarget = nullptr;
    finishToolWindow(hwnd, PositionKind::Search);
    g = SearchWindow{};
}

LRESULT CALLBACK searchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, onVScroll);
        HANDLE_MSG(hwnd, WM_CONTEXTMENU, onContextMenu);
        HANDLE_MSG(hwnd, WM_RBUTTONUP, onRButtonUp);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        case WM_CLOSE: closeSearchWindow(hwnd); return 0;
        case WM_DRAWCLIPBOARD: onDrawClipboard(); return 0;
        case WM_CHANGECBCHAIN:
            onChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

SearchWindowView searchWindowView() { return {g.topIndex, g.shownTopIndex}; }

HWND openSearchWindow() {
    static std::wstring menuName;  // the window keeps using the name while it lives
    menuName = resourceName("ZOEKEN");
    registerToolClass(L"zoeken", searchWindowProc);
    appSettings.toolWindowOpen = 1;
    HWND hwnd = createToolWindow({L"zoeken", uiText(84),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 630,
                                  362, true, menuName.c_str(), nullptr});
    if (!hwnd) {
        appSettings.toolWindowOpen = 0;
        return nullptr;
    }
    if (HWND main = mainWindow()) ShowWindow(main, SW_HIDE);
    return hwnd;
}
