// recorderwindow.cpp — the recorder: a headword, its number, and one button
// that the keyboard drives: Space records and saves, Enter skips a word,
// Backspace goes back one.
#include "recorderwindow.h"

#include <windowsx.h>

#include <string>

#include "appsettings.h"
#include "fieldoptions.h"
#include "fonts.h"
#include "ids.h"
#include "languagepair.h"
#include "messagebox.h"
#include "pronunciation.h"
#include "recorderwalk.h"
#include "recording.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "widetext.h"
#include "wordstore.h"

constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;

const ControlSpec kRecorderControls[5] = {
    {IDC_HEADWORD_BOX, L"STATIC", L"", 10, 10, 595, 40, kText},   // the word
    {IDC_HEADWORD_BOX, L"STATIC", L"", 117, 80, 220, 20, kText},  // the counter
    {IDC_HEADWORD_BOX, L"STATIC", L"", 340, 75, 200, 40, kText},  // the status
    {IDC_RECORD_BUTTON, L"BUTTON", L"Start recording", 5, 65, 100, 30, kButton},
    {IDC_DONE, L"BUTTON", L"Exit", 635, 65, 100, 30, kButton},
};

namespace {

struct RecorderWindow {
    HWND hwnd = nullptr;
    HWND word = nullptr, counter = nullptr, status = nullptr, button = nullptr;
    HFONT wordFont = nullptr, statusFont = nullptr;
    LanguagePair pair;  // the pair whose headwords are recorded
    unsigned wordCodePage = 0;
    RecorderWalk walk{0, 0};
    std::string shownWord;  // the headword shown, as stored; empty when none is
};
RecorderWindow* g = nullptr;  // the one open recorder

// The word at the walk's position, or the end text, and the counter.
void showWord() {
    g->shownWord.clear();
    if (!g->walk.atEnd() && readDictionaryRecord(g->walk.recordIndex()) == 0)
        g->shownWord = headwordOf(wordStore.recordBuffer);
    SetWindowTextW(g->word, g->walk.atEnd() ? toWide(kEndOfList, CP_ACP).c_str()
                                            : toWide(g->shownWord, g->wordCodePage).c_str());
    SetWindowTextW(g->counter, toWide(g->walk.counterText(), CP_ACP).c_str());
}

void showIdle() {
    SetWindowTextW(g->status, L"");
    SetWindowTextW(g->button, L"Start recording");
}

// Space: start a recording on the word shown, or stop the running one, keep
// it as that word's pronunciation and show the next word.
void onSpace() {
    const std::string word = g->shownWord;
    switch (g->walk.space(word)) {
        case RecorderStep::None: return;
        case RecorderStep::Start:
            SetWindowTextW(g->button, L"Stop recording");
            SetWindowTextW(g->status, L"RECORDING...");
            startRecording();
            return;
        case RecorderStep::Save:
            keepRecording(pronunciationPath(g->pair.name, static_cast<int>(uiCodePage()), word,
                                            static_cast<int>(g->wordCodePage)));
            break;
        case RecorderStep::Discard: discardRecording(); break;
        case RecorderStep::Refuse:
            discardRecording();
            showMessageBox(nullptr, toWide(cannotSaveText(word), g->wordCodePage), L"Error",
                           MB_OK | MB_ICONEXCLAMATION);
            break;
    }
    showIdle();
    showWord();
    SetFocus(g->button);
}

void onButtonKey() {
    switch (reportedKey(g->button)) {
        case VK_SPACE: onSpace(); return;
        case VK_RETURN: g->walk.next(); break;
        case VK_BACK: g->walk.previous(); break;
        default: return;
    }
    showWord();
    SetFocus(g->button);
}

// Closing from "Exit" or the frame: a running recording is stopped and
// thrown away, so that no unfinished pronunciation is left.
void closeRecorder(HWND hwnd) {
    if (g->walk.close() == RecorderStep::Discard) {
        discardRecording();
        showIdle();
    }
    DestroyWindow(hwnd);
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    g->wordFont = createUiFont(22, 700, L"Times New Roman", g->pair.headwordCharset);
    g->statusFont = createUiFont(15, 400, L"Times New Roman", 0);
    HWND made[5] = {};
    createControls(hwnd, kRecorderControls, {0, 0}, sharedFonts.buttonFont, &made);
    g->word = made[0];
    g->counter = made[1];
    g->status = made[2];
    g->button = made[3];
    SendMessageW(g->word, WM_SETFONT, reinterpret_cast<WPARAM>(g->wordFont), FALSE);
    SendMessageW(g->status, WM_SETFONT, reinterpret_cast<WPARAM>(g->statusFont), FALSE);
    placeToolWindow(hwnd, PositionKind::None);
    g->walk =
        RecorderWalk(readIniInt(lastRecordKey(g->pair.name).c_str(), 0), wordStore.dictionaryCount);
    showWord();
    SetFocus(g->button);
    subclassField(g->button, {{VK_SPACE, VK_RETURN, VK_BACK}});
    makePronunciationFolders(g->pair.name, uiCodePage());
    return TRUE;
}

// A click on "Start recording" does nothing: only its keys count.
void onCommand(HWND hwnd, int id, HWND control, UINT code) {
    if (control == g->button && code == kFieldKeyNotification) return onButtonKey();
    if (id == IDC_DONE && code == BN_CLICKED) closeRecorder(hwnd);
}

// Coming back to the window, the keys go to the button again.
void onActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state != WA_INACTIVE && !minimized) SetFocus(g->button);
}

// The static texts on the window's own light grey.
HBRUSH onCtlColorStatic(HWND, HDC dc, HWND, int) {
    SetBkColor(dc, RGB(192, 192, 192));
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

void onDestroy(HWND hwnd) {
    // Destroyed without closing (the program ends): no message any more.
    if (g->walk.close() == RecorderStep::Discard) discardRecordingQuietly();
    writeIniInt(lastRecordKey(g->pair.name).c_str(), g->walk.recordIndex());
    finishToolWindow(hwnd, PositionKind::None);
}

// After the controls are gone: the fonts they used, and the window's state.
void onNcDestroy(HWND) {
    DeleteObject(g->wordFont);
    DeleteObject(g->statusFont);
    delete g;
    g = nullptr;
}

LRESULT CALLBACK recorderWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, onCtlColorStatic);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
        case WM_CLOSE: closeRecorder(hwnd); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND openRecorderWindow() {
    if (appSettings.toolWindowOpen || g || !currentPair()) return nullptr;
    registerToolClass(L"record", recorderWindowProc);
    g = new RecorderWindow;
    g->pair = *currentPair();
    g->wordCodePage = windowCodePage(g->pair.headwordCharset);
    // An ordinary frame, its position not kept.
    HWND hwnd = openToolWindow({L"record", L"Record", WS_OVERLAPPEDWINDOW, 750, 130, false});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}
