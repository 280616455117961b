// drawing.cpp — decorated texts, gradients, masked bitmaps.
#include "drawing.h"

#include <commctrl.h>

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

void drawEmbossedTexts(HDC dc, HFONT font, std::initializer_list<PlacedText> texts) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font);
    for (const PlacedText& t : texts) drawEmbossedText(dc, t.text, t.rect, t.format);
}

void drawPlainText(HDC dc, HFONT font, COLORREF colour, const PlacedText& t) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font);
    SetTextColor(dc, colour);
    RECT r = t.rect;
    DrawTextW(dc, t.text.c_str(), static_cast<int>(t.text.size()), &r, t.format);
}

void drawTopLine(HDC dc, int width) {
    HPEN line = CreatePen(PS_SOLID, 1, RGB(224, 224, 224));
    {
        SelectedObject selected(dc, line);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, width, 0);
    }
    DeleteObject(line);
}

void fillGradient(HDC dc, const RECT& client, GradientHue hue, bool deepColour) {
    constexpr int kShades = 64, kShallowShade = 32;
    HPEN pens[kShades];
    for (int i = 0; i < kShades; ++i) {
        const int level = 200 - 3 * i;
        pens[i] =
            CreatePen(PS_SOLID, 1, hue == GradientHue::Green ? RGB(0, level, 0) : RGB(0, 0, level));
    }
    const int height = client.bottom - client.top;
    {
        SelectedObject selected(dc, pens[0]);
        for (int y = 0; y < height; ++y) {
            SelectObject(dc, pens[deepColour ? y * (kShades - 1) / height : kShallowShade]);
            MoveToEx(dc, client.left, client.top + y, nullptr);
            LineTo(dc, client.right, client.top + y);
        }
    }
    for (HPEN pen : pens) DeleteObject(pen);
}

HBITMAP makeTransparentMask(HBITMAP bitmap, COLORREF transparent) {
    BITMAP bm;
    GetObjectW(bitmap, sizeof bm, &bm);
    HBITMAP mask = CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr);
    HDC image = CreateCompatibleDC(nullptr), maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldImage = SelectObject(image, bitmap), oldMask = SelectObject(maskDc, mask);
    SetBkColor(image, transparent);
    BitBlt(maskDc, 0, 0, bm.bmWidth, bm.bmHeight, image, 0, 0, SRCCOPY);
    // Mask bits 1 (transparent) become black, 0 white: AND turns the
    // transparent pixels black and keeps the others.
    SetBkColor(image, RGB(0, 0, 0));
    SetTextColor(image, RGB(255, 255, 255));
    BitBlt(image, 0, 0, bm.bmWidth, bm.bmHeight, maskDc, 0, 0, SRCAND);
    SelectObject(image, oldImage);
    SelectObject(maskDc, oldMask);
    DeleteDC(image);
    DeleteDC(maskDc);
    return mask;
}

void drawMasked(HDC dc, int x, int y, HBITMAP bitmap, HBITMAP mask) {
    BITMAP bm;
    GetObjectW(bitmap, sizeof bm, &bm);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, mask);
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCAND);
    SelectObject(source, bitmap);
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCPAINT);
    SelectObject(source, old);
    DeleteDC(source);
}

namespace {

struct DrawingOver {
    DrawOver draw;
    const void* data;
};

constexpr UINT_PTR kDrawOverSubclass = 0x6e6f;  // apart from the field options' subclass

LRESULT CALLBACK drawOverProc(HWND control, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                              DWORD_PTR ref) {
    auto* over = reinterpret_cast<DrawingOver*>(ref);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(control, drawOverProc, kDrawOverSubclass);
        delete over;
        return DefSubclassProc(control, msg, wp, lp);
    }
    LRESULT result = DefSubclassProc(control, msg, wp, lp);
    if (msg == WM_PAINT) over->draw(control, over->data);
    return result;
}

}  // namespace

void drawOverControl(HWND control, DrawOver draw, const void* data) {
    auto* over = new DrawingOver{draw, data};
    if (!SetWindowSubclass(control, drawOverProc, kDrawOverSubclass,
                           reinterpret_cast<DWORD_PTR>(over)))
        delete over;
}
