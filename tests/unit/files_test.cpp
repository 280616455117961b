// The file seam: atomic replacement, folder listing, copies and folder
// removal, and file names taken from the code page they were written in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

// The path code page for one test; the system's again afterwards.
struct PathCodePage {
    explicit PathCodePage(int codePage) { setPathCodePage(codePage); }
    ~PathCodePage() { setPathCodePage(kSystemCodePage); }
};

// Whether the system holds a file of this name (UTF-8, "/" between parts).
bool systemHasFile(const std::string& utf8) { return fs::is_regular_file(fs::u8path(utf8)); }

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

TEST(PathCodePage, NamesAreTheCharactersOfTheirCodePageOnEverySystem) {
    test::ScratchFolder folder;
    PathCodePage cyrillic(1251);
    // "Рус_Fre.wb" in code page 1251, as the russiancyr edition names a word list.
    const std::string name = "\xD0\xF3\xF1_Fre.wb";
    test::makeFolders("language");
    FILE* file = openFile("language\\" + name, "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_TRUE(systemHasFile("language/\u0420\u0443\u0441_Fre.wb"));
    EXPECT_TRUE(fileExists("language\\" + name));

    // Listed back in the code page; a name it cannot hold is left out.
    test::writeBytes("language\\other.wb", "");
    std::ofstream(fs::u8path("language/\u65E5\u672C.wb")).put('x');
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(listFolder("language", entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "other.wb");
    EXPECT_EQ(entries[1].name, name);

    EXPECT_TRUE(replaceFile("language\\" + name, "language\\\xD0\xE5\xE7.wb"));
    EXPECT_TRUE(systemHasFile("language/\u0420\u0435\u0437.wb"));
    EXPECT_TRUE(removeFile("language\\\xD0\xE5\xE7.wb"));
    EXPECT_FALSE(systemHasFile("language/\u0420\u0435\u0437.wb"));
}

TEST(PathCodePage, APieceOfAnotherCodePageKeepsItsCharacters) {
    test::ScratchFolder folder;
    PathCodePage cyrillic(1251);
    // A pronunciation: the folder of the UI edition's text, the word of its
    // pair's code page (1252 "café"; in 1251 the byte 0xE9 is a Cyrillic letter).
    FilePath path = FilePath("sound\\\xD0\xF3\xF1\\") + FilePath("caf\xE9", 1252) + ".wav";
    EXPECT_EQ(path.utf8(), "sound\\\u0420\u0443\u0441\\caf\u00E9.wav");
    EXPECT_EQ(path.back(), 'v');
    fs::create_directories(fs::u8path("sound/\u0420\u0443\u0441"));
    std::ofstream(fs::u8path("sound/\u0420\u0443\u0441/caf\u00E9.wav")).put('x');
    EXPECT_TRUE(fileExists(path));
    EXPECT_FALSE(fileExists(FilePath("sound\\\xD0\xF3\xF1\\caf\xE9.wav")));
    EXPECT_TRUE(folderExists(FilePath("sound\\") + FilePath("\u0420\u0443\u0441", kUtf8CodePage)));

    std::string text;
    EXPECT_TRUE(toPathText("\u0420\u0443\u0441", text));
    EXPECT_EQ(text, "\xD0\xF3\xF1");
    EXPECT_FALSE(toPathText("caf\u00E9", text));  // 1251 has no é
}

TEST(CopyFile, CopiesInPlaceOfTheTargetOrReportsTheSystemError) {
    test::ScratchFolder folder;
    std::string bytes(100000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    test::writeBytes("from.wb", bytes);
    test::writeBytes("to.ls", "old list");
    EXPECT_EQ(copyFile("from.wb", "to.ls"), 0);
    EXPECT_EQ(test::readBytes("to.ls"), bytes);
    EXPECT_EQ(test::readBytes("from.wb"), bytes);
    EXPECT_EQ(copyFile("from.wb", "new.ls"), 0);  // a missing target is created
    EXPECT_EQ(test::readBytes("new.ls"), bytes);

    // A missing source: the system's "not found" (2 on Windows and POSIX alike);
    // the target keeps what it held, and no copy is left beside it.
    EXPECT_EQ(copyFile("nosuch.wb", "to.ls"), 2);
    EXPECT_EQ(test::readBytes("to.ls"), bytes);
    EXPECT_FALSE(fileExists("to.ls.tmp"));
    // A target folder that does not exist.
    EXPECT_NE(copyFile("from.wb", "nofolder\\to.ls"), 0);
    EXPECT_FALSE(folderExists("nofolder"));
}

TEST(RemoveFolder, OnlyAnEmptyFolderGoes) {
    test::ScratchFolder folder;
    test::makeFolders("list\\Empty");
    test::makeFolders("list\\Full\\inner");
    test::makeFolders("list\\Kept");
    test::writeBytes("list\\Kept\\Fre_Eng.ls", "words");
    EXPECT_TRUE(removeFolder("list\\Empty"));
    EXPECT_FALSE(folderExists("list\\Empty"));
    EXPECT_FALSE(removeFolder("list\\Full"));
    EXPECT_TRUE(folderExists("list\\Full\\inner"));
    EXPECT_FALSE(removeFolder("list\\Kept"));
    EXPECT_EQ(test::readBytes("list\\Kept\\Fre_Eng.ls"), "words");
    EXPECT_FALSE(removeFolder("list\\Missing"));
}

}  // namespace
