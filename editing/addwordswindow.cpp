// addwordswindow.cpp — the add-words window: the headword typed above, its
// translation below, Enter to confirm. What a typed headword already has is
// shown as it is typed; every confirmed entry is stored, logged when new and
// merged into the other direction; closing re-sorts what was appended.
#include "addwordswindow.h"

#include <windowsx.h>

#include <string>

#include "addwords.h"
#include "appsettings.h"
#include "drawing.h"
#include "fieldoptions.h"
#include "files.h"
#include "fonts.h"
#include "help.h"
#include "ids.h"
#include "languagepair.h"
#include "messagebox.h"
#include "palette.h"
#include "reversemerge.h"
#include "sortingwindow.h"
#include "toolwindow.h"
#include "translation.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordrecord.h"
#include "wordstore.h"

constexpr int kSourceField = IDC_SEARCH_FIELD;  // the headword, in the pair's from language
constexpr int kTargetField = IDC_TEXT_BOX;      // its translation

const ControlSpec kAddWordsControls[4] = {
    {IDC_ADD_HELP, L"BUTTON", ControlText::ui(ui::kHelp), 400, 150, 100, 30,
     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kDone), 510, 150, 100, 30,
     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    {kSourceField, L"EDIT", L"", 15, 35, 595, 35,
     WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {kTargetField, L"EDIT", L"", 15, 105, 595, 35,
     WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
};

namespace {

constexpr RECT kCounterLine = {15, 146, 400, 166};
constexpr RECT kHintLine = {15, 166, 400, 210};

struct AddWordsWindow {
    HWND hwnd = nullptr, source = nullptr, target = nullptr;
    HWND focusField = nullptr;  // gets the focus back whenever the window is activated
    HFONT sourceFont = nullptr, targetFont = nullptr;
    bool paletteOn = false;
};
AddWordsWindow* g = nullptr;  // the one open add-words window

const LanguagePair& pair() { return *currentPair(); }

void refuseComma() {
    showMessageBox(g->hwnd, uiText(ui::kNoCommaAllowed), uiText(ui::kError),
                   MB_OK | MB_ICONWARNING);
}

// A dictionary that cannot be opened while switching direction ends the
// program as at start-up. The words appended to the current dictionary are
// re-sorted first, so that they are found after the next start.
[[noreturn]] void endForMissingDictionary(const std::string& path) {
    if (wordStore.dictionaryFile) resortIfDirty();
    exitDictionaryMissing(mainWindow(), path);
}

std::wstring counterLine() {
    return uiText(ui::kNewEntries) + L" : " + std::to_wstring(addWords.newEntryCount);
}

// --- typing and confirming ------------------------------------------------

// Each key released in the headword field shows what the dictionary holds
// for the text so far (the translation field empties when it holds nothing).
void lookUpTyped() {
    const std::string typed = fieldBytes(g->source, kHeadwordChars);
    if (hasComma(typed)) return refuseComma();
    if (typed.empty()) return;
    const HeadwordMatch match = lookUpHeadword(typed);
    setFieldBytes(g->target, match.exists ? match.translation : std::string());
}

// Enter in the headword field: the headword without its blanks, then on to
// the translation.
void acceptHeadword() {
    const std::string typed = fieldBytes(g->source, kHeadwordChars);
    if (typed.empty()) return;
    const std::string headword = trimBlanks(typed);
    setFieldBytes(g->source, headword);
    if (headword.empty()) return;
    if (hasComma(headword)) return refuseComma();
    SetFocus(g->target);
}

void redrawCounter() {
    InvalidateRect(g->hwnd, &kCounterLine, TRUE);
    UpdateWindow(g->hwnd);
}

// Enter in the translation field: the entry is stored, merged into the other
// direction and counted.
void confirmEntry() {
    const std::string typedHeadword = fieldBytes(g->source, kHeadwordChars);
    if (typedHeadword.empty()) return;
    const std::string headword = trimBlanks(typedHeadword);
    if (headword.empty()) return setFieldBytes(g->source, "");
    // Put there by other means than typing (the palette, another program):
    // a headword with a comma is never stored.
    if (hasComma(headword)) {
        refuseComma();
        SetFocus(g->source);
        return;
    }
    const std::string typedTranslation = fieldBytes(g->target, kTranslationChars);
    if (typedTranslation.empty()) return;
    const std::string trimmed = trimBlanks(typedTranslation);
    setFieldBytes(g->target, trimmed);
    if (trimmed.empty()) return;

    // A blank after every comma can make the translation longer than its 50
    // characters. Such an entry is refused rather than cut: both fields keep
    // what was typed, and the user chooses what to leave out.
    const std::string translation = normaliseTranslation(trimmed);
    if (translation.size() > static_cast<size_t>(kTranslationChars)) {
        showMessageBox(g->hwnd, uiText(ui::kTranslationTooLong), uiText(ui::kError),
                       MB_OK | MB_ICONWARNING);
        return;
    }
    setFieldBytes(g->source, "");
    setFieldBytes(g->target, "");
    if (translation.empty()) return;

    if (storeEntry(headword, translation) == StoredAs::Appended) appSettings.dictionaryDirty = 1;
    std::string missing;
    if (mergeIntoReverse(headword, translation, &missing) != 0) endForMissingDictionary(missing);
    SetFocus(g->source);
    addWords.newEntryCount += 1;
    redrawCounter();
}

// --- the focus and the palette ----------------------------------------------

void onSourceFocused() {
    g->focusField = g->source;
    paletteFieldFocused(g->source, pair().headwordCharset, pair().name, g->paletteOn);
    if (g->paletteOn) SetFocus(g->source);
}

// The translation is typed only after a headword without commas.
void onTargetFocused() {
    if (hasComma(fieldBytes(g->source, kHeadwordChars))) {
        refuseComma();
        SetFocus(g->source);
        return;
    }
    const int end = GetWindowTextLengthW(g->target);
    SendMessageW(g->target, EM_SETSEL, end, end);
    g->focusField = g->target;
    paletteFieldFocused(g->target, pair().translationCharset, pair().toName, g->paletteOn);
    if (g->paletteOn) SetFocus(g->target);
}

void checkPaletteItems(bool on) {
    HMENU menu = GetMenu(g->hwnd);
    CheckMenuItem(menu, IDM_PALETTE_ON, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_PALETTE_OFF, MF_BYCOMMAND | (on ? MF_UNCHECKED : MF_CHECKED));
}

void switchPalette(bool on) {
    checkPaletteItems(on);
    g->paletteOn = on;
    if (on)
        reopenPalette();
    else
        closePalette();
}

// --- closing --------------------------------------------------------------

// Switches to a pair for the re-sort at closing, or ends the program when
// its dictionary cannot be opened (the pair current before restored first).
void switchForResort(LanguagePair* to, LanguagePair* back) {
    if (usePairTemporarily(to) == 0) return;
    const std::string missing = dictionaryPath();
    usePairTemporarily(back);
    endForMissingDictionary(missing);
}

// The reverse dictionary first, then the current one, each in its own
// sorting window and only when records were appended to it; the pair
// current at opening is current again afterwards.
void closeAddWords() {
    if (addWords.reverseDirty == 1 && addWords.reversePair) {
        LanguagePair* before = currentPair();
        switchForResort(addWords.reversePair, before);
        HWND sorting = openSortingWindow();
        resortInWindow(sorting);
        closeSortingWindow(sorting);
        addWords.reverseDirty = 0;
        switchForResort(before, before);
    }
    resortIfDirty();
}

void closeWindow(HWND hwnd) {
    closeAddWords();
    DestroyWindow(hwnd);
}

// --- message handlers -------------------------------------------------------

HFONT fieldFont(int charset) { return createUiFont(17, 400, L"Times New Roman", charset); }

void makeField(HWND field, HFONT font, int charset, int limit, bool reportReleases) {
    FieldOptions options;
    options.reportedKeys[0] = VK_RETURN;
    options.reportKeyReleases = reportReleases;
    subclassField(field, options);
    giveColumnFont(field, font, windowCodePage(charset));
    SendMessageW(field, EM_LIMITTEXT, limit, 0);
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    beginAddWords();
    appSettings.dictionaryDirty = 0;
    g->sourceFont = fieldFont(pair().headwordCharset);
    g->targetFont = fieldFont(pair().translationCharset);
    paletteHostCreated(hwnd, pair().headwordCharset, pair().name);
    createControls(hwnd, kAddWordsControls, {0, 0}, sharedFonts.buttonFont);
    g->source = GetDlgItem(hwnd, kSourceField);
    g->target = GetDlgItem(hwnd, kTargetField);
    g->focusField = g->source;
    makeField(g->source, g->sourceFont, pair().headwordCharset, kHeadwordChars, true);
    makeField(g->target, g->targetFont, pair().translationCharset, kTranslationChars, false);
    SetFocus(g->source);
    placeToolWindow(hwnd, PositionKind::Add);
    checkPaletteItems(false);
    makeFolder("new");  // where new headwords are logged; a failure loses only the log
    return TRUE;
}

void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    if (control && control == g->source) {
        if (code == kFieldKeyNotification) return acceptHeadword();
        if (code == kFieldKeyReleaseNotification) return lookUpTyped();
        if (code == EN_SETFOCUS) return onSourceFocused();
        return;
    }
    if (control && control == g->target) {
        if (code == kFieldKeyNotification) return confirmEntry();
        if (code == EN_SETFOCUS) return onTargetFocused();
        return;
    }
    switch (id) {
        case IDC_DONE: return closeWindow(hwnd);
        case IDC_ADD_HELP: return openHelp(hwnd, uiText(ui::kAddWordsHelpKey).c_str());
        case IDM_PALETTE_ON: return switchPalette(true);
        case IDM_PALETTE_OFF: return switchPalette(false);
    }
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    drawTopLine(paint.dc, client.right);
    const UINT line = DT_SINGLELINE | DT_NOPREFIX;
    drawEmbossedTexts(paint.dc, sharedFonts.practiceFont,
                      {{toWide(pair().name, uiCodePage()), {15, 10, 620, 65}, line},
                       {toWide(pair().toName, uiCodePage()), {15, 80, 620, 114}, line}});
    drawPlainText(paint.dc, sharedFonts.buttonFont, RGB(0, 0, 0),
                  {counterLine(), kCounterLine, line});
    drawPlainText(paint.dc, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), RGB(30, 30, 230),
                  {uiText(ui::kConfirmWithEnter), kHintLine, line});
}

void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized && g->focusField) SetFocus(g->focusField);
}

void onDestroy(HWND hwnd) {
    closePalette();
    palette.paletteAnchor = nullptr;
    palette.paletteTarget = nullptr;
    finishToolWindow(hwnd, PositionKind::Add);
}

// After the fields are gone: their fonts, and the window's state.
void onNcDestroy(HWND) {
    DeleteObject(g->sourceFont);
    DeleteObject(g->targetFont);
    delete g;
    g = nullptr;
}

LRESULT CALLBACK addWordsWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
        case WM_CLOSE: closeWindow(hwnd); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND openAddWordsWindow() {
    if (appSettings.toolWindowOpen || g) return nullptr;
    registerToolClass(L"toevoeg", addWordsWindowProc);
    g = new AddWordsWindow;
    HWND hwnd = openToolWindow({L"toevoeg", uiText(ui::kAddWordsTitle),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 630, 205,
                                true, resourceName("TEKENSET")});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}
