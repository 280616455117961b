// listsmenu.h — the list editor's Lists menu (one item per list folder,
// commands 400 and up, the current list checked) and the File commands
// that create and delete lists.
#pragma once

#include <windows.h>

// Runs just before another list becomes current: the editor applies the
// marks of the list it leaves.
using LeavingList = void (*)();

// Builds the Lists menu from the list root's folders in the file system's
// order, inserts it after "&File" and checks the current list's item.
void buildListsMenu(HWND editor);

// Forgets the menu when the editor goes (the window destroys its menus).
void forgetListsMenu();

bool isListCommand(int command);

// File > Create new list: the new-list dialog, then the new list becomes
// current. A name that differs from the current one only in case changes
// nothing; a name of another list (ignoring case) makes that list current.
// True when the current list changed.
bool createNewList(HWND editor, LeavingList leaving);

// File > Delete current list, after the question; the only list is kept.
// True when the list was deleted and another one made current.
bool deleteList(HWND editor);

// Lists > a list: it becomes current. True when it did.
bool chooseList(int command, LeavingList leaving);
