// drawing.cpp — embossed and raised text.
#include "drawing.h"

namespace {

void drawTwice(HDC dc, const std::wstring& text, RECT rect, UINT format, COLORREF first,
               COLORREF second, int shift) {
    SetTextColor(dc, first);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    OffsetRect(&rect, -shift, -shift);
    SetTextColor(dc, second);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

void drawEmbossedText(HDC dc, const std::wstring& text, RECT rect, UINT format) {
    drawTwice(dc, text, rect, format, RGB(224, 224, 224), RGB(0, 128, 0), 1);
}

void drawRaisedText(HDC dc, const std::wstring& text, RECT rect, UINT format) {
    drawTwice(dc, text, rect, format, RGB(0, 0, 0), RGB(230, 230, 230), 2);
}
