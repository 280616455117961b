// listeditorlayout.h — the layout tables of the list editor and its
// add-random window: the one description each window is made from, which
// the window tests compare the made windows with.
#pragma once

#include <cstddef>

#include "controltable.h"
#include "resultrows.h"

struct ControlTable {
    const ControlSpec* specs;
    size_t count;
};

// The editor's search box and buttons.
ControlTable listEditorControls();

// The editor's word boxes: the list side (twelve boxes in a grid) or the
// dictionary side (ten in a column), each with its scroll bar.
ResultRowsLayout listEditorWordBoxes(RecordSource side);

// The add-random window's check box, count box and buttons.
ControlTable addRandomControls();
