// The search window's arithmetic: first row, scroll range and actions.
#include "searchview.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchView, LastPageStaysFull) {
    EXPECT_EQ(clampTopIndex(0, 100), 0);
    EXPECT_EQ(clampTopIndex(90, 100), 90);
    EXPECT_EQ(clampTopIndex(95, 100), 90);
    EXPECT_EQ(clampTopIndex(100, 100), 90);  // a key after the last headword
    EXPECT_EQ(clampTopIndex(3, 7), 0);       // fewer than ten records
    EXPECT_EQ(clampTopIndex(0, 0), 0);
}

TEST(SearchView, ScrollRange) {
    EXPECT_EQ(scrollRangeMax(100), 9);
    EXPECT_EQ(scrollRangeMax(105), 9);
    EXPECT_EQ(scrollRangeMax(10), 0);
    EXPECT_EQ(scrollRangeMax(5), 0);
    EXPECT_EQ(scrollRangeMax(1000000), 99999);
}

TEST(SearchView, ScrollActions) {
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::LineUp, 0, 100, 0), 0);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::LineUp, 5, 100, 0), 4);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::LineDown, 90, 100, 0), 90);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::LineDown, 50, 100, 0), 51);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::PageUp, 7, 100, 0), 0);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::PageDown, 85, 100, 0), 90);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::PageDown, 20, 100, 0), 30);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::ThumbReleased, 20, 100, 9), 90);
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::Other, 20, 100, 9), 20);  // dragging moves nothing
    EXPECT_EQ(topIndexAfterScroll(ScrollAction::LineDown, 0, 4, 0), 0);   // fewer than ten
    EXPECT_EQ(topIndexAfterArrow(true, 90, 100), 90);
    EXPECT_EQ(topIndexAfterArrow(false, 0, 100), 0);
    EXPECT_EQ(topIndexAfterArrow(true, 3, 100), 4);
}

TEST(SearchView, TranslationPartsAndSoundFiles) {
    EXPECT_EQ(translationParts("dog, hound"), (std::vector<std::string>{"dog", "hound"}));
    EXPECT_EQ(translationParts("  big dog ,,x,"), (std::vector<std::string>{"big dog", "x"}));
    EXPECT_TRUE(translationParts("").empty());
    EXPECT_TRUE(translationParts(" , ").empty());
    EXPECT_EQ(soundFilePath("French", "chat"), "sound\\French\\chat.wav");
}

}  // namespace
