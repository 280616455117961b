// The word store: record layout, opening, counting, reading and writing by index.
#include <gtest/gtest.h>

#include "files.h"
#include "listfolders.h"
#include "testsupport.h"
#include "wordstore.h"

using test::Entry;

namespace {

class WordStoreTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void SetUp() override { test::makeFolders("language"); }
    void openWith(const std::vector<Entry>& entries) {
        test::writeWordFile("language\\Fre_Eng.wb", entries);
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
    }
};

TEST(WordRecordFields, FieldWithoutNulReadsAsItsCapacityLessOne) {
    WordRecord r;
    std::memset(&r, 'x', sizeof r);
    r.deleted = 0;
    EXPECT_EQ(headwordOf(r), std::string(30, 'x'));
    EXPECT_EQ(translationOf(r), std::string(50, 'x'));
    EXPECT_TRUE(terminateFields(r));
    EXPECT_EQ(std::strlen(r.headword), 30u);
    EXPECT_EQ(std::strlen(r.translation), 50u);
    EXPECT_FALSE(terminateFields(r));
}

TEST(WordRecordFields, CopyFieldCutsAndTerminates) {
    char field[31];
    EXPECT_TRUE(copyField(field, sizeof field, std::string(30, 'a')));
    EXPECT_EQ(std::strlen(field), 30u);
    EXPECT_FALSE(copyField(field, sizeof field, std::string(200, 'b')));
    EXPECT_EQ(std::string(field), std::string(30, 'b'));
}

TEST_F(WordStoreTest, PathsFollowPairAndUiStrings) {
    EXPECT_EQ(dictionaryPath(), "language\\Fre_Eng.wb");
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "verbs");
    EXPECT_EQ(practiceListPath(), "list\\verbs\\Fre_Eng.ls");
    copyField(core.pair.longName, sizeof core.pair.longName, "Francais");
    copyField(core.pair.longDictFile, sizeof core.pair.longDictFile, "Francais_English.wb");
    EXPECT_EQ(dictionaryPath(), "language\\Francais_English.wb");
}

TEST_F(WordStoreTest, MissingDictionaryFailsAndCreatesNothing) {
    EXPECT_EQ(openDictionary(), -1);
    EXPECT_FALSE(fileExists("language\\Fre_Eng.wb"));
    EXPECT_EQ(wordStore.dictionaryFile, nullptr);
}

TEST_F(WordStoreTest, FolderInPlaceOfDictionaryFails) {
    test::makeFolders("language\\Fre_Eng.wb");
    EXPECT_EQ(openDictionary(), -1);
}

TEST_F(WordStoreTest, EmptyFileOpensWithNoRecords) {
    openWith({});
    EXPECT_EQ(wordStore.dictionaryCount, 0);
    EXPECT_EQ(readDictionaryRecord(0), -1);
    EXPECT_EQ(readDictionaryRecord(-1), -1);
}

TEST_F(WordStoreTest, PartialTailIsIgnored) {
    test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"}, {"chien", "dog"}});
    test::writeBytes("language\\Fre_Eng.wb",
                     test::readBytes("language\\Fre_Eng.wb") + std::string(40, 'z'));
    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    EXPECT_EQ(wordStore.dictionaryCount, 2);
    EXPECT_EQ(readDictionaryRecord(1), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "chien");
    EXPECT_EQ(readDictionaryRecord(2), -1);
}

TEST_F(WordStoreTest, ReadsAreBoundedByCount) {
    openWith({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    EXPECT_EQ(readDictionaryRecord(2), 0);
    EXPECT_EQ(readDictionaryRecord(3), -1);
    EXPECT_EQ(readDictionaryRecord(4), -1);
    wordStore.dictionaryCount = 1;  // a caller narrowing the file
    EXPECT_EQ(readDictionaryRecord(2), -1);
}

TEST_F(WordStoreTest, FullFieldsRoundTrip) {
    openWith({});
    std::string head(30, 'h'), trans(50, 't');
    wordStore.recordBuffer = makeRecord(head, trans);
    wordStore.recordBuffer.deleted = 1;
    ASSERT_EQ(writeDictionaryRecord(0), 0);
    countRecords();
    ASSERT_EQ(wordStore.dictionaryCount, 1);
    wordStore.recordBuffer = WordRecord{};
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_EQ(std::string(wordStore.recordBuffer.headword), head);
    EXPECT_EQ(std::string(wordStore.recordBuffer.translation), trans);
    EXPECT_EQ(wordStore.recordBuffer.deleted, 1);
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 84u);
}

TEST_F(WordStoreTest, WriteAtCountAppendsButNeverLeavesAGap) {
    openWith({{"a", "1"}});
    wordStore.recordBuffer = makeRecord("z", "26");
    EXPECT_EQ(writeDictionaryRecord(3), -1);
    EXPECT_EQ(writeDictionaryRecord(-1), -1);
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 84u);
    ASSERT_EQ(writeDictionaryRecord(1), 0);
    wordStore.dictionaryCount++;
    ASSERT_EQ(readDictionaryRecord(1), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "z");
}

TEST_F(WordStoreTest, UnterminatedFieldsAreReadWithinTheField) {
    WordRecord raw;
    std::memset(&raw, 'q', sizeof raw);
    raw.deleted = 0;
    test::writeRecords("language\\Fre_Eng.wb", {raw});
    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_EQ(std::string(wordStore.recordBuffer.headword), std::string(30, 'q'));
    EXPECT_EQ(std::string(wordStore.recordBuffer.translation), std::string(50, 'q'));
}

TEST_F(WordStoreTest, OddDeletedMarksStayReadableAndCounted) {
    std::vector<WordRecord> records = {makeRecord("a", "1"), makeRecord("b", "2")};
    records[0].deleted = 2;
    records[1].deleted = -1;
    test::writeRecords("language\\Fre_Eng.wb", records);
    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    EXPECT_EQ(wordStore.dictionaryCount, 2);
    ASSERT_EQ(readDictionaryRecord(1), 0);
    EXPECT_TRUE(isMarkedDeleted(wordStore.recordBuffer));
    EXPECT_EQ(wordStore.recordBuffer.deleted, -1);
}

TEST_F(WordStoreTest, ReadOnlyDictionaryCannotBeOpenedForUpdate) {
    test::writeWordFile("language\\Fre_Eng.wb", {{"a", "1"}});
    std::filesystem::permissions(nativePath("language\\Fre_Eng.wb"),
                                 std::filesystem::perms::owner_read);
    FILE* probe = openFile("language\\Fre_Eng.wb", "r+b");  // root may write anyway
    if (probe) {
        std::fclose(probe);
        GTEST_SKIP() << "read-only files are writable for this user";
    }
    EXPECT_EQ(openDictionary(), -1);
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 84u);
}

// Practice lists: the current list's file is opened, or made, beside the dictionary.
TEST_F(WordStoreTest, NoListFoldersOpensNoList) {
    openWith({{"a", "1"}});
    EXPECT_EQ(wordStore.practiceListFile, nullptr);
    EXPECT_EQ(wordStore.listCount, 0);
    EXPECT_STREQ(wordStore.currentListName, "");
}

TEST_F(WordStoreTest, FirstListIsChosenAndItsFileCreated) {
    test::makeFolders("list\\verbs");
    test::makeFolders("list\\Animals");
    test::makeFolders("list\\.hidden");
    openWith({{"a", "1"}});
    EXPECT_STREQ(wordStore.currentListName, "Animals");
    EXPECT_TRUE(fileExists("list\\Animals\\Fre_Eng.ls"));
    EXPECT_EQ(wordStore.listCount, 0);
    wordStore.recordBuffer = makeRecord("chat", "cat");
    ASSERT_EQ(writeListRecord(wordStore.listCount), 0);
    wordStore.listCount++;
    ASSERT_EQ(readListRecord(0), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "chat");
}

TEST_F(WordStoreTest, ListThatCannotBeCreatedIsLeftUnopened) {
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "gone");
    openWith({{"a", "1"}});  // the folder list\gone does not exist
    EXPECT_EQ(openPracticeList(), -1);
    EXPECT_EQ(wordStore.practiceListFile, nullptr);
    countListRecords();
    EXPECT_EQ(wordStore.listCount, 0);
}

TEST_F(WordStoreTest, ExistingListFileIsCountedNotTruncated) {
    test::makeFolders("list\\verbs");
    test::writeWordFile("list\\verbs\\Fre_Eng.ls", {{"x", "1"}, {"y", "2"}});
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "verbs");
    openWith({{"a", "1"}});
    EXPECT_EQ(wordStore.listCount, 2);
    closeListFile();
    EXPECT_EQ(wordStore.practiceListFile, nullptr);
    closeWordFiles();
    EXPECT_EQ(wordStore.dictionaryFile, nullptr);
}

TEST_F(WordStoreTest, ListFolderQueries) {
    EXPECT_EQ(countListFolders(), 0);  // no list root at all
    EXPECT_EQ(chooseFirstList(), 0);
    test::makeFolders("list\\.git");
    test::makeFolders("list\\Zoo");
    test::makeFolders("list\\apes");
    test::writeBytes("list\\notes.txt", "not a list");
    EXPECT_EQ(countListFolders(), 3);  // only "." and ".." are left out of the count
    EXPECT_EQ(practiceLists.listFolderCount, 3);
    EXPECT_EQ(chooseFirstList(), 400);
    EXPECT_STREQ(wordStore.currentListName, "apes");
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "ZOO");
    EXPECT_TRUE(listExists());
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, ".git");
    EXPECT_FALSE(listExists());
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "notes.txt");
    EXPECT_FALSE(listExists());
}

}  // namespace
