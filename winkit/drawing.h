// drawing.h — what the windows of both programs draw the same way: device
// contexts that release themselves, the decorated texts, the gradient
// backgrounds, masked bitmaps.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDc {
   public:
    explicit PaintDc(HWND window) : window_(window), dc(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

   private:
    HWND window_;
    PAINTSTRUCT paint_{};

   public:
    const HDC dc;
};

// A device context on a window for drawing outside its repaint (progress
// drawn while a long operation holds the message loop). A null window gives
// no device context at all, never the screen's.
class WindowDc {
   public:
    explicit WindowDc(HWND window) : window_(window), dc(window ? GetDC(window) : nullptr) {}
    ~WindowDc() {
        if (dc) ReleaseDC(window_, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

   private:
    HWND window_;

   public:
    const HDC dc;
};

// Selects a GDI object into a device context and puts the old one back.
class SelectedObject {
   public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

   private:
    HDC dc_;
    HGDIOBJ old_;
};

// Headings of tool and progress windows: the text in RGB(224,224,224), then
// in RGB(0,128,0) one pixel left and up. The caller sets the background mode.
void drawEmbossedText(HDC dc, const std::wstring& text, RECT rect, UINT format);

// The main window's and the installer's titles: black, then RGB(230,230,230)
// two pixels left and up.
void drawRaisedText(HDC dc, const std::wstring& text, RECT rect, UINT format);

struct PlacedText {
    std::wstring text;
    RECT rect;
    UINT format;
};

// Several embossed texts in one font, on a transparent background.
void drawEmbossedTexts(HDC dc, HFONT font, std::initializer_list<PlacedText> texts);

// One plain text in a font and colour, on a transparent background.
void drawPlainText(HDC dc, HFONT font, COLORREF colour, const PlacedText& text);

// The one-pixel RGB(224,224,224) line along the top of a tool window.
void drawTopLine(HDC dc, int width);

// The backgrounds of the main window (green) and the installer (blue): 64
// shades from 200 down to 11, row y in shade y x 63 / height; one middle
// shade on displays of fewer than 24 bits.
enum class GradientHue { Green, Blue };
void fillGradient(HDC dc, const RECT& client, GradientHue hue, bool deepColour);

// A monochrome mask for a bitmap with one transparent colour, and the
// bitmap's transparent pixels turned black, so that drawing it is the mask
// with AND, then the bitmap with OR.
HBITMAP makeTransparentMask(HBITMAP bitmap, COLORREF transparent);

// Draws a bitmap prepared by makeTransparentMask at (x, y).
void drawMasked(HDC dc, int x, int y, HBITMAP bitmap, HBITMAP mask);

// Has `draw(control, data)` called each time the control has painted
// itself: a text or picture shown over a standard control stays on every
// repaint (covered, minimised). `data` must live as long as the control.
using DrawOver = void (*)(HWND control, const void* data);
void drawOverControl(HWND control, DrawOver draw, const void* data);
