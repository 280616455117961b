// listeditor.h — the practice-list editor (class "lijst"), and the new-list
// dialog that the main window and the practice window show as well when a
// list is wanted and none exists yet.
#pragma once

#include <windows.h>

// Shows the new-list dialog owned by `owner`. True when it ended with a
// name: the list's folder exists and it is the current list, its file of
// the current direction open. False after Cancel.
bool askForNewList(HWND owner);

// Opens the editor as the main window's tool window. Nothing happens when
// another tool window is open; with no list folder at all the new-list
// dialog comes first, and without a list the editor does not open. The
// editor, or null.
HWND openListEditor();
