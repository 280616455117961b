// practicewindow.cpp — the flash-card drill: the current list's words one at
// a time in random order, the headword first and its translation one step
// later, at the pace of the speed slider; a key or a click moves on at once.
#include "practicewindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "appsettings.h"
#include "drawing.h"
#include "drill.h"
#include "fonts.h"
#include "ids.h"
#include "languagepair.h"
#include "listeditor.h"
#include "listfolders.h"
#include "messagebox.h"
#include "practicelayout.h"
#include "resultrows.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

// A word box shows no text of its own: the word is drawn on it, and drawn
// again whenever the box repaints, so that a window covered and uncovered,
// or minimised and restored, still shows the word of the moment.
struct ShownWord {
    std::wstring text;
    HFONT font = nullptr;
};

struct PracticeWindow {
    HWND hwnd = nullptr;
    std::unique_ptr<Drill> drill;
    POINT origin = {kContentLeft, kContentTop};  // of the centred layout
    ColumnFonts fonts;
    WordRecord word{};  // the record on screen, kept while the drill goes on
    ShownWord headword, translation;
};
PracticeWindow* g = nullptr;  // the one open practice window

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Positions relative to the centred layout's origin, in creation order.
const ControlSpec kControls[] = {
    {IDC_HEADWORD_BOX, L"STATIC", L"", 0, 25, 595, 40, kChild, WS_EX_CLIENTEDGE},
    {IDC_TRANSLATION_BOX, L"STATIC", L"", 0, 100, 595, 40, kChild, WS_EX_CLIENTEDGE},
    {IDC_SPEED_FRAME, L"STATIC", L"", 0, 170, 240, 75, kChild | SS_ETCHEDFRAME},
    {IDC_PROGRESS_BAR, PROGRESS_CLASSW, L"", 265, 170, 330, 17, kChild | PBS_SMOOTH},
    {IDC_SPEED_SLIDER, TRACKBAR_CLASSW, L"", 20, 200, 200, 35, kChild | TBS_HORZ | TBS_AUTOTICKS},
    {IDC_DONE, L"BUTTON", ControlText::ui(ui::kQuit), 495, 215, 100, 30, kChild | BS_PUSHBUTTON},
};

// Where a word is drawn, relative to its box's outer corner: the headword
// in +5,+25 to +589,+65 over the box at +0,+25; the translation likewise.
constexpr RECT kWordInBox = {5, 0, 589, 40};

RECT placed(RECT r) {
    OffsetRect(&r, g->origin.x, g->origin.y);
    return r;
}

HWND control(int id) { return GetDlgItem(g->hwnd, id); }

// --- the word boxes -----------------------------------------------------------

// Drawn over the box each time it has painted itself.
void drawWord(HWND box, const void* shown) {
    const ShownWord& word = *static_cast<const ShownWord*>(shown);
    if (word.text.empty()) return;
    // The box's client area starts inside its sunken edge.
    POINT client = {0, 0};
    MapWindowPoints(box, GetParent(box), &client, 1);
    const RECT outer = controlRect(box);
    RECT r = kWordInBox;
    OffsetRect(&r, outer.left - client.x, outer.top - client.y);
    WindowDc dc(box);
    drawPlainText(dc.dc, word.font, RGB(0, 0, 128),
                  {word.text, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX});
}

// Shows a word at once: the box repaints empty, then with the word on it.
void showWord(int boxId, ShownWord& word, std::wstring text) {
    word.text = std::move(text);
    InvalidateRect(control(boxId), nullptr, TRUE);
    UpdateWindow(control(boxId));
}

// --- the steps --------------------------------------------------------------

void startTimer(int period) {
    KillTimer(g->hwnd, IDT_STEP);
    SetTimer(g->hwnd, IDT_STEP, static_cast<UINT>(period), nullptr);
}

// A record that cannot be read leaves the word that was on screen, which
// is shown again; the drill goes on.
void showHeadword(int32_t record) {
    if (record >= 0 && readListRecord(record) == 0) g->word = wordStore.recordBuffer;
    showWord(IDC_TRANSLATION_BOX, g->translation, L"");
    showWord(IDC_HEADWORD_BOX, g->headword, toWide(g->word.headword, g->fonts.headwordCodePage));
}

void showTranslation(int32_t progress) {
    showWord(IDC_TRANSLATION_BOX, g->translation,
             toWide(g->word.translation, g->fonts.translationCodePage));
    SendMessageW(control(IDC_PROGRESS_BAR), PBM_SETPOS, static_cast<WPARAM>(progress), 0);
}

void endOfPass(HWND hwnd) {
    KillTimer(hwnd, IDT_STEP);
    showMessageBox(hwnd, uiText(ui::kEndOfList), uiText(ui::kDictionary), MB_OK);
    DestroyWindow(hwnd);
}

int sliderPosition() {
    return static_cast<int>(SendMessageW(control(IDC_SPEED_SLIDER), TBM_GETPOS, 0, 0));
}

void onTimer(HWND hwnd, UINT id) {
    if (id != IDT_STEP) return;
    const DrillStep step = g->drill->onTimer(sliderPosition());
    if (step.restartPeriod > 0) startTimer(step.restartPeriod);
    switch (step.show) {
        case DrillStep::Show::Headword: showHeadword(step.record); break;
        case DrillStep::Show::Translation: showTranslation(step.progress); break;
        case DrillStep::Show::EndOfPass: endOfPass(hwnd); break;
        case DrillStep::Show::Nothing: break;
    }
}

// A key or a button pressed anywhere on the window (the word boxes, the
// frame and the labels let the mouse through) brings the next step at once.
void skipAhead() {
    if (int period = g->drill->skip()) startTimer(period);
}

// --- message handlers -------------------------------------------------------

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g->hwnd = hwnd;
    const LanguagePair& pair = *currentPair();
    g->fonts.make(pair.headwordCharset, pair.translationCharset, 22, FW_BOLD);
    g->headword.font = g->fonts.headword;
    g->translation.font = g->fonts.translation;
    createControls(hwnd, kControls, g->origin, sharedFonts.buttonFont);
    for (int id : {IDC_HEADWORD_BOX, IDC_TRANSLATION_BOX}) {
        ShownWord* word = id == IDC_HEADWORD_BOX ? &g->headword : &g->translation;
        drawOverControl(control(id), drawWord, word);
    }
    const int32_t count = wordStore.listCount;
    SendMessageW(control(IDC_PROGRESS_BAR), PBM_SETRANGE32, 0, count);
    SendMessageW(control(IDC_SPEED_SLIDER), TBM_SETRANGE, TRUE,
                 MAKELPARAM(kSlowestSpeed, kFastestSpeed));
    SendMessageW(control(IDC_SPEED_SLIDER), TBM_SETPOS, TRUE, kStartSpeed);
    g->drill = std::make_unique<Drill>(count, [] { return static_cast<unsigned>(std::rand()); });
    startTimer(kRestartInterval);
    placeToolWindow(hwnd, PositionKind::Practise);
    return TRUE;
}

// The layout is centred again, and the drill starts its cycle anew: the
// first size change comes while the window opens.
void onSize(HWND hwnd, UINT, int width, int height) {
    if (!g->drill) return;
    const ContentOrigin origin = centredContentOrigin(width, height);
    g->origin = {origin.left, origin.top};
    placeControls(hwnd, kControls, g->origin);
    InvalidateRect(hwnd, nullptr, TRUE);
    KillTimer(hwnd, IDT_STEP);
    if (int period = g->drill->restart()) startTimer(period);
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    const UINT line = DT_SINGLELINE | DT_LEFT | DT_NOPREFIX;
    const int fast = std::wcstol(uiText(ui::kFastLabelX).c_str(), nullptr, 10);
    drawPlainText(paint.dc, sharedFonts.buttonFont, RGB(0, 0, 0),
                  {uiText(ui::kSlow), placed({20, 180, 105, 200}), line});
    drawPlainText(paint.dc, sharedFonts.buttonFont, RGB(0, 0, 0),
                  {uiText(ui::kFast), placed({fast - 15, 180, fast + 65, 200}), line});
    const LanguagePair& pair = *currentPair();
    drawEmbossedTexts(paint.dc, sharedFonts.practiceFont,
                      {{toWide(pair.name, uiCodePage()), placed({0, 0, 500, 50}), line},
                       {toWide(pair.toName, uiCodePage()), placed({0, 75, 500, 125}), line}});
}

void onKeyDown(HWND, UINT, BOOL, int, UINT) { skipAhead(); }
void onButtonDown(HWND, BOOL, int, int, UINT) { skipAhead(); }

void onCommand(HWND hwnd, int id, HWND, UINT) {
    if (id == IDC_DONE) DestroyWindow(hwnd);
}

// The slider takes the focus while it is used; its notifications give it
// back, so that keys keep reaching the window.
LRESULT onNotify(HWND hwnd, int, LPNMHDR) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    return 0;
}

void onDestroy(HWND hwnd) {
    if (g->drill && g->drill->stepInterval() != 0) KillTimer(hwnd, IDT_STEP);
    finishToolWindow(hwnd, PositionKind::Practise);
}

// After the word boxes are gone: the window's state, the word fonts with it.
void onNcDestroy(HWND) {
    delete g;
    g = nullptr;
}

LRESULT CALLBACK practiceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_SIZE, onSize);
        HANDLE_MSG(hwnd, WM_TIMER, onTimer);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_KEYDOWN, onKeyDown);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, onButtonDown);
        HANDLE_MSG(hwnd, WM_RBUTTONDOWN, onButtonDown);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_NOTIFY, onNotify);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND openPracticeWindow() {
    registerToolClass(L"leren", practiceWindowProc);
    g = new PracticeWindow;
    std::wstring title = uiText(ui::kPracticeTitle) + L"  (" +
                         toWide(wordStore.currentListName, uiCodePage()) + L")";
    HWND hwnd = openToolWindow({L"leren", title, WS_OVERLAPPEDWINDOW, 630, 262, true});
    if (!hwnd) {
        delete g;
        g = nullptr;
    }
    return hwnd;
}

// "Practice list (French-English) is empty. ... Create new practice list?"
bool askToMakeList() {
    const LanguagePair& pair = *currentPair();
    std::wstring text = uiText(ui::kPracticeList) + L" (" + toWide(pair.name, uiCodePage()) + L"-" +
                        toWide(pair.toName, uiCodePage()) + L") " + uiText(ui::kListIsEmpty);
    return showMessageBox(mainWindow(), text, uiText(ui::kDictionary), MB_YESNO | MB_ICONWARNING) ==
           IDYES;
}

}  // namespace

void startPractice() {
    if (appSettings.toolWindowOpen || g) return;
    if (wordStore.listCount > 0) {
        openPracticeWindow();
        return;
    }
    if (!askToMakeList()) return;
    // Without any list folder the new list is named first; cancelled, nothing
    // more happens. The editor then hides the main window as every tool
    // window does.
    if (countListFolders() == 0 && !askForNewList(mainWindow())) return;
    openListEditor();
}

PracticeWindowView practiceWindowView() {
    PracticeWindowView view;
    if (!g || !g->drill) return view;
    view.window = g->hwnd;
    view.headword = g->headword.text;
    view.translation = g->translation.text;
    view.drillShown = g->drill->drillShown();
    view.translationPending = g->drill->translationPending();
    view.stepInterval = g->drill->stepInterval();
    view.lastSpeed = g->drill->lastSpeed();
    view.contentOrigin = g->origin;
    view.headwordFont = g->fonts.headword;
    view.translationFont = g->fonts.translation;
    return view;
}

const ControlSpec* practiceControls(size_t& count) {
    count = sizeof kControls / sizeof kControls[0];
    return kControls;
}
