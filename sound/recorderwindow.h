// recorderwindow.h — the recorder of class "record": the dictionary's
// headwords one by one, a pronunciation recorded for each.
#pragma once

#include <windows.h>

#include <cstddef>

#include "controltable.h"

// Opens the recorder (record mode; the main window has checked that no tool
// window is open): the main window hides until it closes.
HWND openRecorderWindow();

// The recorder's controls: the word, the counter, the status (three static
// texts of one id), "Start recording" and "Exit".
extern const ControlSpec kRecorderControls[5];
