// The character palette's characters, rows, width and place.
#include <gtest/gtest.h>

#include "palettelayout.h"
#include "testsupport.h"

namespace {

TEST(PaletteCharacters, BuiltInSetOfSixtySix) {
    std::string chars = builtInPaletteCharacters();
    ASSERT_EQ(chars.size(), 66u);
    EXPECT_EQ(static_cast<unsigned char>(chars[0]), 0xC0);
    EXPECT_EQ(static_cast<unsigned char>(chars[31]), 0xDF);
    EXPECT_EQ(static_cast<unsigned char>(chars[32]), 0xBF);
    EXPECT_EQ(static_cast<unsigned char>(chars[33]), 0xE0);
    EXPECT_EQ(static_cast<unsigned char>(chars[65]), 0xA7);
    EXPECT_EQ(paletteWidth(66), 632);
}

TEST(PaletteCharacters, FirstLineOfTheFileWithItsLineFeed) {
    test::ScratchFolder folder;
    test::makeFolders("charset");
    test::writeBytes("charset\\French.chs",
                     "\xe0\xe2\xe7\xe8\xe9\xea\xeb\xee\xef\xf4\r\nsecond line\n");
    std::string chars;
    ASSERT_TRUE(readPaletteCharacters("charset\\French.chs", chars));
    EXPECT_EQ(chars, "\xe0\xe2\xe7\xe8\xe9\xea\xeb\xee\xef\xf4\n");
    EXPECT_EQ(paletteCharactersFor("French"), chars);
    test::writeBytes("charset\\German.chs", std::string(300, 'x'));
    EXPECT_EQ(paletteCharactersFor("German"), std::string(254, 'x'));
    test::writeBytes("charset\\Dutch.chs", "ij");  // no line end at all
    EXPECT_EQ(paletteCharactersFor("Dutch"), "ij");
}

TEST(PaletteCharacters, MissingOrEmptyFileGivesTheBuiltInSet) {
    test::ScratchFolder folder;
    std::string chars;
    EXPECT_FALSE(readPaletteCharacters(charsetFilePath("Swedish"), chars));
    EXPECT_EQ(paletteCharactersFor("Swedish"), builtInPaletteCharacters());
    test::makeFolders("charset");
    test::writeBytes("charset\\Swedish.chs", "");
    EXPECT_EQ(paletteCharactersFor("Swedish"), builtInPaletteCharacters());
}

TEST(PaletteGeometry, TwoRowsAndTheWidthOfTheFirst) {
    // Ten characters and a line end: rows of 5 and 6, the line feed beyond the width.
    EXPECT_EQ(paletteWidth(11), 100);
    EXPECT_EQ(paletteButtonPlace(4, 11).x, 76);
    EXPECT_EQ(paletteButtonPlace(4, 11).y, 0);
    EXPECT_EQ(paletteButtonPlace(5, 11).x, 0);
    EXPECT_EQ(paletteButtonPlace(5, 11).y, 23);
    EXPECT_EQ(paletteButtonPlace(10, 11).x, 95);  // starts where only the frame is left
    // Nine characters and a line end: two rows of five.
    EXPECT_EQ(paletteWidth(10), 100);
    EXPECT_EQ(paletteButtonPlace(9, 10).x, 76);
    EXPECT_EQ(paletteButtonPlace(9, 10).y, 23);
    EXPECT_EQ(paletteButtonPlace(32, 66).x, 608);
    EXPECT_EQ(paletteButtonPlace(33, 66).y, 23);
}

TEST(PaletteGeometry, CentredAboveTheAnchorAndClamped) {
    PalettePosition p = palettePosition(200, 300, 630, 632);
    EXPECT_EQ(p.x, 199);  // (630 - 632) / 2 rounds toward zero
    EXPECT_EQ(p.y, 230);
    p = palettePosition(0, 20, 100, 632);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    p = palettePosition(10, 100, 630, 100);
    EXPECT_EQ(p.x, 275);
}

}  // namespace
