// aboutbox.h — the About box with its animation.
#pragma once

#include <windows.h>

// The modal dialog "%s_AboutBox"; dict.avi from the working folder plays in
// its left frame and replays after the intro delay.
void showAboutBox(HWND owner);

// For tests: the video window of the open About box (null when none).
HWND aboutVideoWindow();
