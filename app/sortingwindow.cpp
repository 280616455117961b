// sortingwindow.cpp — the sorting window: the pair, a line of text, a
// counter and a turning clock while the dictionary is re-sorted.
#include "sortingwindow.h"

#include <windowsx.h>

#include "appsettings.h"
#include "drawing.h"
#include "languagepair.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "resort.h"
#include "textconv.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "wordstore.h"

namespace {

constexpr int kWidth = 350, kHeight = 120;
constexpr RECT kPairRect = {0, 5, 350, 30};
constexpr RECT kTextRect = {0, 25, 350, 120};
constexpr RECT kCounterRect = {110, 65, 270, 95};
constexpr POINT kClockAt = {10, 5};
constexpr int kClockSize = 30, kFrames = 12;

CounterObserver counterObserver = nullptr;

// Draws the re-sort's progress straight onto the window: no message is
// handled while the sort runs.
class SortingProgress : public ResortProgress {
   public:
    explicit SortingProgress(HWND window) : window_(window), dc_(GetDC(window)) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        for (int k = 0; k < kFrames; ++k) {
            frames_[k] = LoadBitmapW(instance, MAKEINTRESOURCEW(k + 1));
            masks_[k] = frames_[k] ? makeTransparentMask(frames_[k], RGB(255, 255, 255)) : nullptr;
        }
        background_ = CreateCompatibleBitmap(dc_, kClockSize, kClockSize);
        HDC saved = CreateCompatibleDC(dc_);
        HGDIOBJ old = SelectObject(saved, background_);
        BitBlt(saved, 0, 0, kClockSize, kClockSize, dc_, kClockAt.x, kClockAt.y, SRCCOPY);
        SelectObject(saved, old);
        DeleteDC(saved);
    }
    ~SortingProgress() override {
        for (int k = 0; k < kFrames; ++k) {
            if (frames_[k]) DeleteObject(frames_[k]);
            if (masks_[k]) DeleteObject(masks_[k]);
        }
        DeleteObject(background_);
        ReleaseDC(window_, dc_);
    }
    void show(int labelOffset, int32_t count) override {
        drawCounter(uiText(labelOffset) + L" " + std::to_wstring(count));
        drawNextFrame();
    }

   private:
    void drawCounter(const std::wstring& line) {
        RECT r = kCounterRect;
        FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(50, 50, 50));
        DrawTextW(dc_, line.c_str(), static_cast<int>(line.size()), &r,
                  DT_SINGLELINE | DT_NOPREFIX);
        if (counterObserver) counterObserver(line);
    }
    // Saved background, then the frame's mask with AND and the frame with
    // OR, composed off screen and copied in one piece.
    void drawNextFrame() {
        if (!frames_[frame_]) return;
        HDC compose = CreateCompatibleDC(dc_), source = CreateCompatibleDC(dc_);
        HBITMAP canvas = CreateCompatibleBitmap(dc_, kClockSize, kClockSize);
        HGDIOBJ oldCompose = SelectObject(compose, canvas);
        HGDIOBJ oldSource = SelectObject(source, background_);
        BitBlt(compose, 0, 0, kClockSize, kClockSize, source, 0, 0, SRCCOPY);
        SelectObject(source, oldSource);
        DeleteDC(source);
        drawMasked(compose, 0, 0, frames_[frame_], masks_[frame_]);
        BitBlt(dc_, kClockAt.x, kClockAt.y, kClockSize, kClockSize, compose, 0, 0, SRCCOPY);
        SelectObject(compose, oldCompose);
        DeleteObject(canvas);
        DeleteDC(compose);
        frame_ = (frame_ + 1) % kFrames;
    }

    HWND window_;
    HDC dc_;
    HBITMAP frames_[kFrames] = {}, masks_[kFrames] = {};
    HBITMAP background_ = nullptr;
    int frame_ = 0;
};

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    applyStayOnTop(hwnd);
    return TRUE;
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    if (const LanguagePair* p = currentPair()) {
        std::wstring pairLine =
            toWide(p->name, uiCodePage()) + L" - " + toWide(p->toName, uiCodePage());
        drawEmbossedText(dc, pairLine, kPairRect, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    }
    RECT text = kTextRect;
    SetTextColor(dc, RGB(0, 0, 0));
    std::wstring note = uiText(71);
    DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &text, DT_CENTER | DT_WORDBREAK);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK sortingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

void setCounterObserver(CounterObserver observer) { counterObserver = observer; }

HWND openSortingWindow() {
    registerToolClass(L"sorting", sortingProc);
    return createToolWindow({L"sorting", uiText(70), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                             kWidth, kHeight, false, nullptr, nullptr});
}

bool resortInWindow(HWND sortingWindow) {
    bool sorted;
    {
        SortingProgress progress(sortingWindow);
        sorted = resortDictionary(&progress) == 0;
    }
    if (sorted) return true;
    showMessageBox(sortingWindow, uiText(72), uiText(73), MB_OK | MB_ICONWARNING);
    // The sorted words could not take the dictionary's place and the old file
    // is gone with them: nothing is left to work on.
    if (!wordStore.dictionaryFile) exitDictionaryMissing(mainWindow(), dictionaryPath());
    return false;
}

void closeSortingWindow(HWND sortingWindow) {
    if (sortingWindow) DestroyWindow(sortingWindow);
}

void resortIfDirty() {
    if (appSettings.dictionaryDirty != 1) return;
    HWND window = openSortingWindow();
    resortInWindow(window);
    closeSortingWindow(window);
    appSettings.dictionaryDirty = 0;
}
