// installpaint.h — what the installer draws: the blue gradient with the
// raised title, and the progress of the word lists painted straight onto
// the window while the installation runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "reverselist.h"

// Times New Roman, 40 pixels, bold: the title and the pairs' titles.
HFONT createTitleFont();

// The whole client area: gradient, then the title at (30,20)-(480,90).
void paintInstallWindow(HDC dc, const RECT& client, HFONT titleFont, const std::string& title);

// The progress rows move down as pairs and steps follow one another.
class ProgressPainter {
   public:
    ProgressPainter(HWND window, HFONT titleFont, bool statusLinesOn)
        : window_(window), titleFont_(titleFont), statusLinesOn_(statusLinesOn) {}

    void pairTitle(const std::string& name);  // at the title row, which then moves down
    void bar(int percent);                    // 0, 10, 25, 50, 75, 100
    void stepStarted(ReverseStep step);       // status lines only
    void stepDone();                          // "Done.", then the next status row
    void recordCounter(int32_t index);
    void comparisonCounter(int64_t count);  // status lines only
    void skipStatusRow();                   // the settings-file step (status lines only)

   private:
    void counter(int64_t value);

    HWND window_;
    HFONT titleFont_;
    bool statusLinesOn_;
    int titleRow_ = 100;
    int barRow_ = 155;
    int statusRow_ = 170;
};
