// pairicons.h — the two language icons of the current pair.
#pragma once

#include <windows.h>

struct PairIcons {
    HICON from = nullptr;
    HICON to = nullptr;
};

extern PairIcons pairIcons;

// Loads icons\<from icon> and icons\<to icon> of the current pair at their
// default size; a missing file gives no icon.
void loadPairIcons();
void releasePairIcons();
