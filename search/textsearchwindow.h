// textsearchwindow.h — the text-file search window of class "vertaal".
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Opens the window (the main window has checked that no tool window is
// open): the main window hides until it closes.
HWND openTextSearchWindow();

// For tests: the open window's rows, the word picked last and the size of
// the loaded text.
struct TextSearchWindowView {
    int32_t topIndex;
    int32_t shownTopIndex;
    std::string lastPickedWord;
    int32_t loadedTextSize;
};
TextSearchWindowView textSearchWindowView();
