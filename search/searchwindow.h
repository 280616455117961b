// searchwindow.h — the look-up window of class "zoeken".
#pragma once

#include <windows.h>

#include <cstdint>

// Opens the search window (the main window has checked that no tool window
// is open): the main window hides until it closes.
HWND openSearchWindow();

// For tests: the open search window's first row and the row shown.
struct SearchWindowView {
    int32_t topIndex;
    int32_t shownTopIndex;
};
SearchWindowView searchWindowView();
