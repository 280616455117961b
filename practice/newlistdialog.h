// newlistdialog.h — the new-list dialog ("%s_listdialog") itself.
#pragma once

#include <windows.h>

#include <string>

// Runs the dialog. On OK with an accepted name the list's folder is made
// (the list root too when it is missing) and the name returned in `name`;
// the current list is left to the caller. False after Cancel.
bool runNewListDialog(HWND owner, std::string& name);
