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
    // The clock's twelve pictures are composed once over the window's own
    // background (mask with AND, frame with OR): each step then costs one
    // copy, where composing cost more than the sorting between two steps.
    explicit SortingProgress(HWND window) : window_(window) {
        WindowDc window_dc(window);
        if (!window_dc.dc) return;  // no window: the sort runs without pictures
        HINSTANCE instance = GetModuleHandleW(nullptr);
        HDC background = CreateCompatibleDC(window_dc.dc),
            source = CreateCompatibleDC(window_dc.dc);
        HBITMAP saved = CreateCompatibleBitmap(window_dc.dc, kClockSize, kClockSize);
        {
            SelectedObject fromWindow(background, saved);
            BitBlt(background, 0, 0, kClockSize, kClockSize, window_dc.dc, kClockAt.x, kClockAt.y,
                   SRCCOPY);
            for (int k = 0; k < kFrames; ++k) {
                HBITMAP frame = LoadBitmapW(instance, MAKEINTRESOURCEW(k + 1));
                if (!frame) continue;
                HBITMAP mask = makeTransparentMask(frame, RGB(255, 255, 255));
                composed_[k] = CreateCompatibleBitmap(window_dc.dc, kClockSize, kClockSize);
                {
                    SelectedObject onPicture(source, composed_[k]);
                    BitBlt(source, 0, 0, kClockSize, kClockSize, background, 0, 0, SRCCOPY);
                    drawMasked(source, 0, 0, frame, mask);
                }
                DeleteObject(frame);
                if (mask) DeleteObject(mask);
            }
        }
        DeleteObject(saved);
        DeleteDC(background);
        DeleteDC(source);
        pictures_ = CreateCompatibleDC(window_dc.dc);
    }
    ~SortingProgress() override {
        if (pictures_) DeleteDC(pictures_);
        for (HBITMAP picture : composed_)
            if (picture) DeleteObject(picture);
    }
    void show(int labelOffset, int32_t count) override {
        drawProgressCounter(window_, uiText(labelOffset) + L" " + std::to_wstring(count));
        drawNextFrame();
    }

   private:
    void drawNextFrame() {
        HBITMAP picture = composed_[frame_];
        frame_ = (frame_ + 1) % kFrames;
        if (!picture || !pictures_) return;
        WindowDc window(window_);
        if (!window.dc) return;
        SelectedObject selected(pictures_, picture);
        BitBlt(window.dc, kClockAt.x, kClockAt.y, kClockSize, kClockSize, pictures_, 0, 0, SRCCOPY);
    }

    HWND window_;
    HBITMAP composed_[kFrames] = {};
    HDC pictures_ = nullptr;  // a memory context the pictures are copied from
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
