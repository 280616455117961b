// mainwindow.h — the hub window of class "norva".
#pragma once

#include <windows.h>

// Registers the class and creates the main window centred on the screen,
// shown and painted. Its creation handler reads the window settings and
// makes it the kit's main window (toolwindow.h).
HWND createMainWindow(int showCommand);

// The Language menu and the choice of a pair: languagemenu.h.
