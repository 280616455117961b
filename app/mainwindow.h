// mainwindow.h — the hub window of class "norva".
#pragma once

#include <windows.h>

// The main window, once created; the owner of program-wide message boxes.
HWND mainWindow();

// Registers the class and creates the main window centred on the screen,
// shown and painted. Its creation handler reads the window settings.
HWND createMainWindow(int showCommand);

// Puts the Language menu (one item per catalogue entry) into the menu bar.
void buildLanguageMenu();

// Makes the catalogue entry of a Language-menu command current.
void choosePairByMenuId(int menuId);

// The command ids of the main menu and buttons.
namespace cmd {
constexpr int kExit = 3, kHelp = 4, kAbout = 5, kTextSearch = 9, kAddWords = 10, kPractice = 11,
              kSearch = 12, kListEditor = 13, kRecord = 25, kStayOnTop = 55, kFirstPair = 200;
}
