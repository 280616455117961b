// The file seam: atomic replacement and folder listing.
#include <gtest/gtest.h>

#include "files.h"
#include "testsupport.h"

namespace {

TEST(AtomicReplace, NewFileTakesThePlaceOfTheOld) {
    test::ScratchFolder folder;
    test::makeFolders("language");
    test::writeBytes("language\\dict.wb", "old contents");
    FILE* tmp = openFile("language\\tempfile", "wb");
    ASSERT_NE(tmp, nullptr);
    std::fputs("new contents", tmp);
    ASSERT_TRUE(commitReplacement(tmp, "language\\tempfile", "language\\dict.wb"));
    EXPECT_EQ(test::readBytes("language\\dict.wb"), "new contents");
    EXPECT_FALSE(fileExists("language\\tempfile"));
}

TEST(AtomicReplace, ReplacesWhenNoOldFileExists) {
    test::ScratchFolder folder;
    FILE* tmp = openFile("tmp.ini", "wb");
    ASSERT_NE(tmp, nullptr);
    std::fputs("x", tmp);
    ASSERT_TRUE(commitReplacement(tmp, "tmp.ini", "dict.ini"));
    EXPECT_EQ(test::readBytes("dict.ini"), "x");
}

TEST(AtomicReplace, FailureKeepsTheOldAndRemovesTheNew) {
    test::ScratchFolder folder;
    test::makeFolders("target\\inner");  // a non-empty folder cannot be replaced by a file
    test::writeBytes("target\\inner\\keep", "kept");
    FILE* tmp = openFile("tempfile", "wb");
    ASSERT_NE(tmp, nullptr);
    std::fputs("new", tmp);
    EXPECT_FALSE(commitReplacement(tmp, "tempfile", "target"));
    EXPECT_EQ(test::readBytes("target\\inner\\keep"), "kept");
    EXPECT_FALSE(fileExists("tempfile"));
}

TEST(FolderListing, NamesInCaseInsensitiveOrderWithoutDots) {
    test::ScratchFolder folder;
    test::makeFolders("root\\beta");
    test::makeFolders("root\\Alpha");
    test::writeBytes("root\\Gamma.txt", "");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(listFolder("root\\", entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "Alpha");
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, "beta");
    EXPECT_EQ(entries[2].name, "Gamma.txt");
    EXPECT_FALSE(entries[2].isFolder);
    EXPECT_FALSE(listFolder("missing\\", entries));
    EXPECT_TRUE(entries.empty());
}

}  // namespace
