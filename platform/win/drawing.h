// drawing.h — the two kinds of decorated text the windows draw.
#pragma once

#include <windows.h>

#include <string>

// Headings of tool and progress windows: the text in RGB(224,224,224), then
// in RGB(0,128,0) one pixel left and up. The caller sets the background mode.
void drawEmbossedText(HDC dc, const std::wstring& text, RECT rect, UINT format);

// The main window's texts: black, then RGB(230,230,230) two pixels left and up.
void drawRaisedText(HDC dc, const std::wstring& text, RECT rect, UINT format);

// A monochrome mask for a bitmap with one transparent colour, and the
// bitmap's transparent pixels turned black, so that drawing it is the mask
// with AND, then the bitmap with OR.
HBITMAP makeTransparentMask(HBITMAP bitmap, COLORREF transparent);

// Draws a bitmap prepared by makeTransparentMask at (x, y).
void drawMasked(HDC dc, int x, int y, HBITMAP bitmap, HBITMAP mask);
