// languagemenu.h — the Language menu of the main window's menu bar (one
// item per catalogue entry, the current pair checked) and choosing a pair
// from it: the main window, the search window and the text-file search
// window switch pairs through here.
#pragma once

#include <windows.h>

// Puts the Language menu into the main window's menu bar.
void buildLanguageMenu();

// The Language menu, which the search windows also pop up.
HMENU languageMenu();

// Pops the Language menu up where a window's background was right-clicked
// (a point of its client area). The command chosen, 0 when none.
int popUpLanguageMenu(HWND window, int x, int y);

// Whether a command chooses a catalogue entry (200 + its position).
bool isPairCommand(int id);

// Makes the catalogue entry of a Language-menu command current: the check
// mark moves, the choice is recorded, the word files of the pair opened,
// its icons loaded and the main window repainted. When the pair's
// dictionary cannot be opened nothing changes: a message owned by the
// asking window says so, and the result is false.
bool choosePairByMenuId(int menuId, HWND asking);

// Makes the other direction of the current pair current in the same way.
bool swapDirection();
