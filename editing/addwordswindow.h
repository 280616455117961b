// addwordswindow.h — the add-words window (class "toevoeg"): a headword and
// its translation typed in and confirmed with Enter, each entry merged into
// the other direction, both dictionaries re-sorted when it closes.
#pragma once

#include <windows.h>

#include "controltable.h"

// The window's controls: Help, Done, the headword field (id 30) and the
// translation field (id 31).
extern const ControlSpec kAddWordsControls[4];

// Opens the window from the main window: null when another tool window is
// open (nothing happens then).
HWND openAddWordsWindow();
