// The record views' arithmetic: first record, scroll range and actions, for
// each kind of view.
#include "pagedview.h"

#include <gtest/gtest.h>

namespace {

TEST(PagedView, LastPageStaysFull) {
    EXPECT_EQ(clampTop(kSearchRowsView, 95, 100), 90);
    EXPECT_EQ(clampTop(kSearchRowsView, 100, 100), 90);  // a key after the last headword
    EXPECT_EQ(clampTop(kSearchRowsView, 3, 7), 0);       // fewer records than rows
    EXPECT_EQ(clampTop(kSearchRowsView, 0, 0), 0);
    EXPECT_EQ(clampTop(kTextSearchRowsView, 99, 100), 97);
    EXPECT_EQ(clampTop(kTextSearchRowsView, 1, 2), 0);
    EXPECT_EQ(clampTop(kListBoxesView, 5, 15), 3);
}

TEST(PagedView, ScrollRangeCountsUnitsOfTheView) {
    EXPECT_EQ(scrollRangeMax(kSearchRowsView, 105), 9);
    EXPECT_EQ(scrollRangeMax(kSearchRowsView, 5), 0);
    EXPECT_EQ(scrollRangeMax(kSearchRowsView, 1000000), 99999);
    EXPECT_EQ(scrollRangeMax(kTextSearchRowsView, 100), 9);  // (100 - 3) / 10
    EXPECT_EQ(scrollRangeMax(kListBoxesView, 30), 18);       // one unit per record
    EXPECT_EQ(scrollRangeMax(kListBoxesView, 7), 0);
    EXPECT_EQ(scrollPosition(kSearchRowsView, 57), 5);
    EXPECT_EQ(scrollPosition(kListBoxesView, 17), 17);
}

TEST(PagedView, LinesMoveOneRecordPagesOneView) {
    struct Case {
        PagedView view;
        ScrollAction action;
        int32_t top, count, expected;
    } cases[] = {
        {kSearchRowsView, ScrollAction::LineUp, 0, 100, 0},
        {kSearchRowsView, ScrollAction::LineDown, 90, 100, 90},
        {kSearchRowsView, ScrollAction::LineDown, 50, 100, 51},
        {kSearchRowsView, ScrollAction::PageUp, 7, 100, 0},
        {kSearchRowsView, ScrollAction::PageDown, 85, 100, 90},
        {kSearchRowsView, ScrollAction::LineDown, 0, 4, 0},  // fewer records than rows
        {kTextSearchRowsView, ScrollAction::PageDown, 10, 100, 13},
        {kTextSearchRowsView, ScrollAction::PageDown, 96, 100, 97},
        {kTextSearchRowsView, ScrollAction::PageUp, 2, 100, 0},
        {kListBoxesView, ScrollAction::PageDown, 0, 30, 12},
        {kListBoxesView, ScrollAction::PageDown, 12, 30, 18},
        {kListBoxesView, ScrollAction::Other, 12, 30, 12},  // a thumb being dragged
    };
    for (const Case& c : cases)
        EXPECT_EQ(topAfterScroll(c.view, c.action, c.top, c.count, 0), c.expected)
            << c.view.rows << " rows, top " << c.top;
}

TEST(PagedView, ReleasedThumbShowsItsUnitOrTheLastPage) {
    EXPECT_EQ(topAfterScroll(kSearchRowsView, ScrollAction::ThumbReleased, 20, 100, 9), 90);
    EXPECT_EQ(topAfterScroll(kSearchRowsView, ScrollAction::ThumbReleased, 0, 105, 9), 90);
    // The bottom of a dictionary of a million records shows its last ten.
    const int32_t million = 1000000;
    EXPECT_EQ(topAfterScroll(kSearchRowsView, ScrollAction::ThumbReleased, 0, million,
                             scrollRangeMax(kSearchRowsView, million)),
              million - 10);
    EXPECT_EQ(topAfterScroll(kTextSearchRowsView, ScrollAction::ThumbReleased, 0, 100, 9), 90);
    EXPECT_EQ(topAfterScroll(kListBoxesView, ScrollAction::ThumbReleased, 0, 30, 18), 18);
}

TEST(PagedView, ArrowsMoveOneRecordWithinTheFile) {
    EXPECT_EQ(topAfterArrow(kSearchRowsView, true, 90, 100), 90);
    EXPECT_EQ(topAfterArrow(kSearchRowsView, false, 0, 100), 0);
    EXPECT_EQ(topAfterArrow(kTextSearchRowsView, true, 96, 100), 97);
    // Fewer records than rows: the view stays on the first.
    EXPECT_EQ(topAfterArrow(kTextSearchRowsView, true, 0, 2), 0);
    EXPECT_EQ(topAfterScroll(kTextSearchRowsView, ScrollAction::ThumbReleased, 0, 2, 1), 0);
}

}  // namespace
