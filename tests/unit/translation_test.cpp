// Splitting translations at their commas: what each kind of piece keeps.
#include "translation.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<std::string>;

TEST(Translation, TrimBlanksRemovesSpacesOnlyAtBothEnds) {
    EXPECT_EQ(trimBlanks("  big dog  "), "big dog");
    EXPECT_EQ(trimBlanks("\tdog "), "\tdog");  // tabs are not blanks
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
}

TEST(Translation, TrimmedPiecesLeaveOutEmptyOnes) {
    EXPECT_EQ(trimmedPieces("dog, hound"), (V{"dog", "hound"}));
    EXPECT_EQ(trimmedPieces("  big dog ,,x,"), (V{"big dog", "x"}));
    EXPECT_TRUE(trimmedPieces("").empty());
    EXPECT_TRUE(trimmedPieces(" , ").empty());
}

TEST(Translation, NormalisedWithOneBlankAfterEachComma) {
    EXPECT_EQ(normaliseTranslation("apple ,pear,, plum "), "apple, pear, plum");
    EXPECT_EQ(normaliseTranslation("a , b,,c"), "a, b, c");
    EXPECT_EQ(normaliseTranslation(" , ,, "), "");
    // One blank added after each comma makes a text longer than it was typed.
    EXPECT_EQ(normaliseTranslation("a,b,c").size(), 7u);
}

TEST(Translation, ReverseListPiecesSkipLeadingBlanksOnly) {
    EXPECT_EQ(piecesSkippingLeadingBlanks("chien, toutou"), (V{"chien", "toutou"}));
    EXPECT_EQ(piecesSkippingLeadingBlanks("a,,b"), (V{"a", "b"}));  // no piece between commas
    EXPECT_EQ(piecesSkippingLeadingBlanks(",a,"), (V{"a"}));
    EXPECT_EQ(piecesSkippingLeadingBlanks("  a  ,b "), (V{"a  ", "b "}));  // trailing blanks stay
    EXPECT_EQ(piecesSkippingLeadingBlanks("a,  "), (V{"a", ""}));  // blanks only: an empty piece
    EXPECT_EQ(piecesSkippingLeadingBlanks(""), V{});
}

}  // namespace
