// sortingwindow.h — the "sorting" window that shows a re-sort at work, and
// resortIfDirty, which the windows that change a dictionary call on closing.
#pragma once

#include <windows.h>

// Re-sorts the current dictionary when dictionaryDirty is set, in a sorting
// window, reporting a failure; dictionaryDirty is cleared whatever happens.
void resortIfDirty();

// For callers that re-sort more than one file in the same window: the
// window shows the current pair's names.
HWND openSortingWindow();
// Re-sorts the current pair's dictionary in the window (drawing nothing
// when there is none); on failure shows "Sort failed" owned by it. Returns
// whether it succeeded.
bool resortInWindow(HWND sortingWindow);
void closeSortingWindow(HWND sortingWindow);
