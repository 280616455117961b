// progresswindow.h — the small popups that tell the user to wait while a
// long operation holds the program (sorting, updating, printing): a caption,
// fixed texts painted at every repaint, and a counter line that the
// operation draws straight onto the window as it goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "drawing.h"

struct ProgressPopup {
    const wchar_t* className;
    std::wstring title;
    int outerWidth, outerHeight;
    std::vector<PlacedText> embossed;  // in the system font
    std::vector<PlacedText> plain;     // black, in the system font
    RECT counterRect;                  // the counter line: light grey behind RGB(50,50,50)
};

// Registers the class, creates the popup centred (top-most by the setting),
// shows and paints it. Null when it cannot be created: the operation then
// runs without drawing anything.
HWND openProgressPopup(const ProgressPopup& popup);

// Draws a counter line: its rectangle filled light grey, the text in
// RGB(50,50,50). Nothing happens without a window.
void drawProgressCounter(HWND popup, const std::wstring& line);

void closeProgressPopup(HWND popup);

// For tests: sees every counter line drawn.
using CounterObserver = void (*)(const std::wstring& counterLine);
void setCounterObserver(CounterObserver observer);
