// installpaint.cpp — gradient, title, progress bar, status lines, counters.
#include "installpaint.h"

#include "drawing.h"
#include "installmessage.h"
#include "widetext.h"

namespace {

// A device context on the window for drawing outside its repaint, with the
// background left transparent.
class TransparentDc : public WindowDc {
   public:
    explicit TransparentDc(HWND window) : WindowDc(window) {
        if (dc) SetBkMode(dc, TRANSPARENT);
    }
};

void fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void drawSystemText(HDC dc, const std::wstring& text, RECT r, UINT format) {
    drawPlainText(dc, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), RGB(255, 255, 255),
                  {text, r, format | DT_NOPREFIX});
}

void drawTitle(HDC dc, HFONT font, const std::string& text, RECT r) {
    SelectedObject selected(dc, font);
    drawRaisedText(dc, installText(text), r, DT_SINGLELINE | DT_NOPREFIX);
}

// Where the green part of the bar ends at each stage; 0 when none is green.
int barEnd(int percent) {
    switch (percent) {
        case 10: return 64;
        case 25: return 117;
        case 50: return 205;
        case 75: return 292;
        case 100: return 379;
        default: return 0;
    }
}

}  // namespace

HFONT createTitleFont() {
    return CreateFontW(40, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Times New Roman");
}

void paintInstallWindow(HDC dc, const RECT& client, HFONT titleFont, const std::string& title) {
    const bool deep = GetDeviceCaps(dc, PLANES) * GetDeviceCaps(dc, BITSPIXEL) >= 24;
    fillGradient(dc, client, GradientHue::Blue, deep);
    SetBkMode(dc, TRANSPARENT);
    drawTitle(dc, titleFont, title, RECT{30, 20, 480, 90});
}

void ProgressPainter::pairTitle(const std::string& name) {
    TransparentDc w(window_);
    drawTitle(w.dc, titleFont_, name, RECT{30, titleRow_, 480, titleRow_ + 40});
    titleRow_ += 50;
}

void ProgressPainter::bar(int percent) {
    TransparentDc w(window_);
    const int b = barRow_;
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    RECT frame{30, b, 380, b + 20};
    FrameRect(w.dc, &frame, white);
    DeleteObject(white);
    fill(w.dc, RECT{31, b + 1, 379, b + 19}, RGB(0, 0, 128));
    if (int r = barEnd(percent)) fill(w.dc, RECT{31, b + 1, r, b + 19}, RGB(0, 128, 0));
    drawSystemText(w.dc, std::to_wstring(percent) + L"%", frame,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (percent == 100) barRow_ += 50;
}

void ProgressPainter::stepStarted(ReverseStep step) {
    if (!statusLinesOn_) return;
    TransparentDc w(window_);
    const int right = step == ReverseStep::SortingTo ? 400 : 480;
    drawSystemText(w.dc, installText(reverseStepName(step)),
                   RECT{30, statusRow_, right, statusRow_ + 30}, DT_LEFT | DT_SINGLELINE);
}

void ProgressPainter::stepDone() {
    if (!statusLinesOn_) return;
    {
        TransparentDc w(window_);
        drawSystemText(w.dc, L"Done.", RECT{300, statusRow_, 480, statusRow_ + 30},
                       DT_LEFT | DT_SINGLELINE);
    }
    statusRow_ += 25;
}

void ProgressPainter::recordCounter(int32_t index) { counter(index); }

void ProgressPainter::comparisonCounter(int64_t count) {
    if (statusLinesOn_) counter(count);
}

void ProgressPainter::skipStatusRow() {
    if (statusLinesOn_) statusRow_ += 25;
}

void ProgressPainter::counter(int64_t value) {
    TransparentDc w(window_);
    RECT r{210, statusRow_, 290, statusRow_ + 16};
    fill(w.dc, r, RGB(0, 0, 104));
    drawSystemText(w.dc, std::to_wstring(value), r, DT_LEFT | DT_SINGLELINE);
}
