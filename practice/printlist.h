// printlist.h — printing the current practice list (the list editor's
// Print): the list goes through the print file into a hidden rich-text
// document, formatted by columns, and out to the printer the user chooses.
#pragma once

#include <windows.h>

// Prints the current list of the current direction; the document is a
// hidden child of `editor`. Nothing happens on an empty list.
void printList(HWND editor);
