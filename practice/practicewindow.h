// practicewindow.h — the flash-card drill, window class "leren".
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "controltable.h"

// The main window's practice command: nothing while a tool window is open;
// the drill when the current list has words; else the question whether to
// make a list, and on Yes the list editor (after the new-list dialog when
// the list root holds no list yet).
void startPractice();

// For tests: the open practice window's state, and its control table
// (positions relative to the centred layout's origin).
struct PracticeWindowView {
    HWND window = nullptr;
    std::wstring headword, translation;  // what the two word boxes show
    int32_t drillShown = 0;
    bool translationPending = false;
    int stepInterval = 0;
    int lastSpeed = 0;
    POINT contentOrigin = {};
    HFONT headwordFont = nullptr, translationFont = nullptr;
};
PracticeWindowView practiceWindowView();

const ControlSpec* practiceControls(size_t& count);
