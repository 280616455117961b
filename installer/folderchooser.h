// folderchooser.h — Change Directory: drive and folder lists that walk the
// current folder and show it in the folder field.
#pragma once

#include <windows.h>

// Opens the chooser (once: the button stays disabled).
void openFolderChooser(HWND window);
void driveChosen(HWND window);
void folderChosen(HWND window);
