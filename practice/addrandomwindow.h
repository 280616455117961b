// addrandomwindow.h — the add-random window ("addrandom"): how many words
// to draw from the dictionary, and whether the old list goes first.
#pragma once

#include <windows.h>

struct AddRandomEvents {
    void (*added)();   // words were added to the list
    void (*closed)();  // the window is gone, by OK, Cancel or its close box
};

// Opens the window centred on the screen (not owned by the editor),
// "Delete old list" checked, the focus in the count box. Null when it
// cannot be made.
HWND openAddRandomWindow(const AddRandomEvents& events);
