// pagedview.h — the arithmetic of a view of N consecutive records of a word
// file with a scroll bar: which record comes first after a look-up, a key
// or a scroll, and the scroll range. One scroll unit stands for a fixed
// number of records.
#pragma once

#include <cstdint>

struct PagedView {
    int32_t rows;            // records shown at once
    int32_t recordsPerUnit;  // records one scroll unit stands for
};

// The search window: ten rows, ten records a unit; the text-file search:
// three rows, ten a unit; the list editor: the dictionary ten and ten, the
// list twelve and one.
constexpr PagedView kSearchRowsView = {10, 10};
constexpr PagedView kTextSearchRowsView = {3, 10};
constexpr PagedView kDictionaryBoxesView = {10, 10};
constexpr PagedView kListBoxesView = {12, 1};

// The last page is always full; with fewer records than rows the view
// stays on the records from the first.
int32_t clampTop(const PagedView& view, int32_t top, int32_t count);

// Scroll range 0 .. (count - rows) / recordsPerUnit, never negative.
int32_t scrollRangeMax(const PagedView& view, int32_t count);

// The scroll position that shows a first record.
inline int32_t scrollPosition(const PagedView& view, int32_t top) {
    return top / view.recordsPerUnit;
}

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, ThumbReleased, Other };

// The new first record for a scroll-bar action (thumbPosition for a
// released thumb; a thumb being dragged moves nothing). Lines move one
// record, pages a view's rows.
int32_t topAfterScroll(const PagedView& view, ScrollAction action, int32_t top, int32_t count,
                       int32_t thumbPosition);

// Up and Down in a search field: one record.
int32_t topAfterArrow(const PagedView& view, bool down, int32_t top, int32_t count);
