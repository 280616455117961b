// Practice lists: the name check, the add-random count and draw, and the
// list files as the editor changes them on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "files.h"
#include "listfolders.h"
#include "listname.h"
#include "practicelists.h"
#include "randomwords.h"
#include "testsupport.h"
#include "wordstore.h"

using test::Entry;

namespace {

TEST(ListName, EmptyForbiddenAndAccepted) {
    EXPECT_EQ(checkListName(""), ListNameCheck::Empty);
    for (char c : std::string("/\\<>|.\"*?:"))
        EXPECT_EQ(checkListName(std::string("verbs") + c + "old"), ListNameCheck::Forbidden) << c;
    EXPECT_EQ(checkListName("verbs.old"), ListNameCheck::Forbidden);
    EXPECT_EQ(checkListName("\"quoted\""), ListNameCheck::Forbidden);
    EXPECT_EQ(checkListName("irregular verbs, week 2"), ListNameCheck::Accepted);
    EXPECT_EQ(checkListName("d\xe9j\xe0 vu"), ListNameCheck::Accepted);  // letters beyond ASCII
}

TEST(RandomCount, LeadingNumberOfTheFirstNineCharacters) {
    EXPECT_EQ(parseRandomCount("5"), 5);
    EXPECT_EQ(parseRandomCount(" 12 words"), 12);
    EXPECT_EQ(parseRandomCount("words"), 0);
    EXPECT_EQ(parseRandomCount(""), 0);
    EXPECT_EQ(parseRandomCount("-3"), -3);
    EXPECT_EQ(parseRandomCount("1234567890123"), 123456789);
    EXPECT_EQ(parseRandomCount("12345678x9"), 12345678);
    EXPECT_FALSE(randomCountAccepted(0, 20));
    EXPECT_TRUE(randomCountAccepted(1, 20));
    EXPECT_TRUE(randomCountAccepted(20, 20));
    EXPECT_FALSE(randomCountAccepted(21, 20));
    EXPECT_FALSE(randomCountAccepted(-3, 20));
}

// A generator that hands out a script of values and counts what it gave.
std::vector<int> script;
size_t scriptAt = 0;
int scripted() { return script.at(scriptAt++); }
void play(std::vector<int> values) {
    script = std::move(values);
    scriptAt = 0;
}

TEST(RandomDraw, SmallDictionariesTakeOneValueModuloTheCount) {
    play({32767, 5, 32767});
    EXPECT_EQ(drawRandomIndex(7, scripted), 32767 % 7);
    EXPECT_EQ(scriptAt, 1u);
    EXPECT_EQ(drawRandomIndex(7, scripted), 5);
    EXPECT_EQ(drawRandomIndex(32768, scripted), 32767);  // the largest still drawn once
    EXPECT_EQ(scriptAt, 3u);
}

TEST(RandomDraw, EveryIndexOfALargeDictionaryIsReachable) {
    const int32_t count = 100000;
    for (int32_t i = 0; i < count; ++i) {
        play({i >> 15, i & 0x7FFF});
        ASSERT_EQ(drawRandomIndex(count, scripted), i);
        ASSERT_EQ(scriptAt, 2u);
    }
    play({32767, 32767});  // the largest 30-bit value, taken modulo the count
    EXPECT_EQ(drawRandomIndex(count, scripted), ((1 << 30) - 1) % count);
}

class PracticeListsTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    const std::string listFile = "list\\verbs\\Fre_Eng.ls";

    // A dictionary of n words w00 .. and the list "verbs" holding `list`.
    void open(int n, const std::vector<Entry>& list = {}) {
        test::makeFolders("language");
        test::makeFolders("list\\verbs");
        std::vector<Entry> words;
        for (int i = 0; i < n; ++i) words.push_back({"w" + std::to_string(10 + i), "t"});
        test::writeWordFile("language\\Fre_Eng.wb", words);
        test::writeWordFile(listFile, list);
        copyField(wordStore.currentListName, sizeof wordStore.currentListName, "verbs");
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
    }
    std::vector<std::string> listHeadwords() {
        std::vector<std::string> words;
        for (const WordRecord& r : test::readRecords(listFile)) words.push_back(r.headword);
        return words;
    }
};

TEST_F(PracticeListsTest, AddingAppendsWholeRecordsEvenTwice) {
    open(5);
    ASSERT_EQ(appendDictionaryRecord(3), 0);
    ASSERT_EQ(appendDictionaryRecord(3), 0);
    EXPECT_EQ(appendDictionaryRecord(5), -1);  // past the dictionary
    EXPECT_EQ(appendDictionaryRecord(-1), -1);
    EXPECT_EQ(wordStore.listCount, 2);
    EXPECT_EQ(listHeadwords(), (std::vector<std::string>{"w13", "w13"}));
}

TEST_F(PracticeListsTest, UpdateDropsExactlyTheMarkedRecordsInOrder) {
    open(0, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
    EXPECT_EQ(toggleListMark(1), 1);
    EXPECT_EQ(toggleListMark(3), 1);
    EXPECT_EQ(toggleListMark(4), 1);
    EXPECT_EQ(toggleListMark(4), 0);  // marked twice: restored
    EXPECT_EQ(toggleListMark(5), -1);
    EXPECT_EQ(test::readRecords(listFile).at(1).deleted, 1);  // written at once
    ASSERT_EQ(updateList(), 0);
    EXPECT_EQ(listHeadwords(), (std::vector<std::string>{"a", "c", "e"}));
    EXPECT_EQ(wordStore.listCount, 3);
    EXPECT_FALSE(fileExists("list\\temp.ls"));
    ASSERT_EQ(readListRecord(2), 0);  // the new file is the open one
    EXPECT_STREQ(wordStore.recordBuffer.headword, "e");
}

TEST_F(PracticeListsTest, UpdateWithoutItsTemporaryFileKeepsTheMarks) {
    open(0, {{"a", "1"}, {"b", "2"}});
    toggleListMark(0);
    test::makeFolders("list\\temp.ls\\in the way");
    const std::string before = test::readBytes(listFile);
    EXPECT_EQ(updateList(), -1);
    EXPECT_EQ(test::readBytes(listFile), before);
    EXPECT_EQ(wordStore.listCount, 2);
    ASSERT_EQ(readListRecord(0), 0);
    EXPECT_EQ(wordStore.recordBuffer.deleted, 1);
}

TEST_F(PracticeListsTest, RemoveAllEmptiesOnlyTheCurrentDirection) {
    open(3, {{"a", "1"}});
    test::writeWordFile("list\\verbs\\Eng_Fre.ls", {{"x", "y"}});
    ASSERT_EQ(removeAll(), 0);
    EXPECT_EQ(wordStore.listCount, 0);
    EXPECT_EQ(test::readBytes(listFile).size(), 0u);
    EXPECT_TRUE(fileExists(listFile));
    EXPECT_EQ(test::readRecords("list\\verbs\\Eng_Fre.ls").size(), 1u);
}

TEST_F(PracticeListsTest, AddAllIsAByteForByteCopy) {
    open(4, {{"old", "1"}});
    WordRecord marked = makeRecord("zz", "gone");
    marked.deleted = 1;
    std::vector<WordRecord> records = test::readRecords("language\\Fre_Eng.wb");
    records.push_back(marked);
    closeWordFiles();
    test::writeRecords("language\\Fre_Eng.wb", records);
    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    EXPECT_EQ(copyDictionaryToList(), 0);
    EXPECT_EQ(test::readBytes(listFile), test::readBytes("language\\Fre_Eng.wb"));
    EXPECT_EQ(wordStore.listCount, 5);
    EXPECT_EQ(wordStore.dictionaryCount, 5);
    EXPECT_NE(wordStore.practiceListFile, nullptr);
    EXPECT_FALSE(fileExists(listFile + ".tmp"));
}

TEST_F(PracticeListsTest, FailedAddAllLeavesTheOldListWhole) {
    open(4, {{"old", "1"}, {"older", "2"}});
    const std::string before = test::readBytes(listFile);
    test::makeFolders(listFile + ".tmp\\in the way");  // the copy cannot be made
    EXPECT_NE(copyDictionaryToList(), 0);
    EXPECT_EQ(test::readBytes(listFile), before);
    EXPECT_EQ(wordStore.listCount, 2);  // both files open and counted again
    EXPECT_EQ(wordStore.dictionaryCount, 4);

    // A copy made but unable to take the list's place (a folder in the way)
    // is reported with the system's number and removed.
    std::filesystem::remove_all(nativePath(listFile + ".tmp"));
    closeListFile();
    std::filesystem::remove(nativePath(listFile));
    test::makeFolders(listFile + "\\in the way");
    EXPECT_NE(copyDictionaryToList(), 0);
    EXPECT_FALSE(fileExists(listFile + ".tmp"));
    EXPECT_TRUE(folderExists(listFile + "\\in the way"));
}

TEST_F(PracticeListsTest, RandomWordsWithAndWithoutTheOldList) {
    open(20, {{"a", "1"}, {"b", "2"}});
    play(std::vector<int>(5, 7));
    EXPECT_EQ(addRandomWords(5, false, scripted), 5);
    EXPECT_EQ(listHeadwords(),
              (std::vector<std::string>{"a", "b", "w17", "w17", "w17", "w17", "w17"}));
    play({0, 19, 40});
    EXPECT_EQ(addRandomWords(3, true, scripted), 3);
    EXPECT_EQ(listHeadwords(), (std::vector<std::string>{"w10", "w29", "w10"}));
    EXPECT_EQ(wordStore.listCount, 3);
}

TEST_F(PracticeListsTest, DeletingRemovesEveryFileButNotSubfolders) {
    open(1, {{"a", "1"}});
    test::writeWordFile("list\\verbs\\Eng_Fre.ls", {{"x", "y"}});
    test::makeFolders("list\\nouns");
    EXPECT_EQ(deleteCurrentListFolder(), ListDeletion::Deleted);
    EXPECT_FALSE(folderExists("list\\verbs"));
    EXPECT_STREQ(wordStore.currentListName, "");
    EXPECT_EQ(deleteCurrentListFolder(), ListDeletion::NoList);

    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "nouns");
    test::writeWordFile("list\\nouns\\Fre_Eng.ls", {{"x", "y"}});
    test::makeFolders("list\\nouns\\pictures");
    EXPECT_EQ(deleteCurrentListFolder(), ListDeletion::FolderKept);
    EXPECT_FALSE(fileExists("list\\nouns\\Fre_Eng.ls"));
    EXPECT_TRUE(folderExists("list\\nouns\\pictures"));
    EXPECT_STREQ(wordStore.currentListName, "");
}

TEST_F(PracticeListsTest, AListFolderBringsTheListRootWithIt) {
    EXPECT_FALSE(folderExists("list"));
    EXPECT_TRUE(makeListFolder("verbs"));
    EXPECT_TRUE(folderExists("list\\verbs"));
    EXPECT_TRUE(makeListFolder("verbs"));  // an existing one is left alone
    test::writeBytes("list\\taken", "a file");
    EXPECT_FALSE(makeListFolder("taken"));
    EXPECT_FALSE(createListFolder());  // no current list
}

}  // namespace
