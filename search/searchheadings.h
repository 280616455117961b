// searchheadings.h — what the search window and the text-file search draw
// alike: the top line, the pair's two names over the headword and the
// translation column, and the "Search" label under the search field.
#pragma once

#include <windows.h>

#include "languagepair.h"

void paintSearchHeadings(HDC dc, HWND window, const LanguagePair& pair);
