// sortingwindow.cpp — the sorting window: the pair, a line of text, a
// counter and a turning clock while the dictionary is re-sorted.
#include "sortingwindow.h"

#include "appsettings.h"
#include "drawing.h"
#include "languagepair.h"
#include "messagebox.h"
#include "progresswindow.h"
#include "resort.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

constexpr POINT kClockAt = {10, 5};
constexpr int kClockSize = 30, kFrames = 12;

// Draws the re-sort's progress straight onto the window: no message is
// handled while the sort runs.
class SortingProgress : public ResortProgress {
   public:
    explicit SortingProgress(HWND window) : window_(window) {
        WindowDc window_dc(window);
        if (!window_dc.dc) return;  // no window: the sort runs without pictures
        HINSTANCE instance = GetModuleHandleW(nullptr);
        for (int k = 0; k < kFrames; ++k) {
            frames_[k] = LoadBitmapW(instance, MAKEINTRESOURCEW(k + 1));
            masks_[k] = frames_[k] ? makeTransparentMask(frames_[k], RGB(255, 255, 255)) : nullptr;
        }
        background_ = CreateCompatibleBitmap(window_dc.dc, kClockSize, kClockSize);
        HDC saved = CreateCompatibleDC(window_dc.dc);
        {
            SelectedObject selected(saved, background_);
            BitBlt(saved, 0, 0, kClockSize, kClockSize, window_dc.dc, kClockAt.x, kClockAt.y,
                   SRCCOPY);
        }
        DeleteDC(saved);
    }
    ~SortingProgress() override {
        for (int k = 0; k < kFrames; ++k) {
            if (frames_[k]) DeleteObject(frames_[k]);
            if (masks_[k]) DeleteObject(masks_[k]);
        }
        if (background_) DeleteObject(background_);
    }
    void show(int labelOffset, int32_t count) override {
        drawProgressCounter(window_, uiText(labelOffset) + L" " + std::to_wstring(count));
        drawNextFrame();
    }

   private:
    // Saved background, then the frame's mask with AND and the frame with
    // OR, composed off screen and copied in one piece.
    void drawNextFrame() {
        if (!frames_[frame_]) return;
        WindowDc window(window_);
        HDC compose = CreateCompatibleDC(window.dc), source = CreateCompatibleDC(window.dc);
        HBITMAP canvas = CreateCompatibleBitmap(window.dc, kClockSize, kClockSize);
        {
            SelectedObject onCanvas(compose, canvas);
            {
                SelectedObject fromBackground(source, background_);
                BitBlt(compose, 0, 0, kClockSize, kClockSize, source, 0, 0, SRCCOPY);
            }
            drawMasked(compose, 0, 0, frames_[frame_], masks_[frame_]);
            BitBlt(window.dc, kClockAt.x, kClockAt.y, kClockSize, kClockSize, compose, 0, 0,
                   SRCCOPY);
        }
        DeleteObject(canvas);
        DeleteDC(source);
        DeleteDC(compose);
        frame_ = (frame_ + 1) % kFrames;
    }

    HWND window_;
    HBITMAP frames_[kFrames] = {}, masks_[kFrames] = {};
    HBITMAP background_ = nullptr;
    int frame_ = 0;
};

}  // namespace

HWND openSortingWindow() {
    std::wstring pairLine;
    if (const LanguagePair* p = currentPair())
        pairLine = toWide(p->name, uiCodePage()) + L" - " + toWide(p->toName, uiCodePage());
    return openProgressPopup(
        {L"sorting",
         uiText(ui::kSortTitle),
         350,
         120,
         {{pairLine, {0, 5, 350, 30}, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX}},
         {{uiText(ui::kBeingSorted), {0, 25, 350, 120}, DT_CENTER | DT_WORDBREAK}},
         {110, 65, 270, 95}});
}

bool resortInWindow(HWND sortingWindow) {
    bool sorted;
    {
        SortingProgress progress(sortingWindow);
        sorted = resortDictionary(&progress) == 0;
    }
    if (sorted) return true;
    showMessageBox(sortingWindow, uiText(ui::kSortFailed), uiText(ui::kError),
                   MB_OK | MB_ICONWARNING);
    // The sorted file could not take the dictionary's place and the
    // dictionary could not be opened again afterwards: nothing is left to
    // work on.
    if (!wordStore.dictionaryFile) exitDictionaryMissing(mainWindow(), dictionaryPath());
    return false;
}

void closeSortingWindow(HWND sortingWindow) { closeProgressPopup(sortingWindow); }

void resortIfDirty() {
    if (appSettings.dictionaryDirty != 1) return;
    HWND window = openSortingWindow();
    resortInWindow(window);
    closeSortingWindow(window);
    appSettings.dictionaryDirty = 0;
}
