// benchapi.h — the few program calls the Wine benchmarks make, whichever
// build they are compiled against: this tree, or the baseline, whose window
// kit kept them in other headers (scripts/bench.sh builds both).
#pragma once

#if __has_include("ids.h")
#include "ids.h"
#include "mainwindow.h"
#include "progresswindow.h"  // setCounterObserver
#include "sortingwindow.h"
#include "toolwindow.h"  // mainWindow
constexpr int kSearchCommand = IDM_SEARCH;
#else
#include "mainwindow.h"     // mainWindow
#include "sortingwindow.h"  // setCounterObserver
constexpr int kSearchCommand = cmd::kSearch;
#endif
