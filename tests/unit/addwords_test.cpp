// Adding words: the look-up in the sorted part, storing and logging an
// entry, and merging it into the other direction of the pair.
#include <gtest/gtest.h>

#include "addwords.h"
#include "collation.h"
#include "files.h"
#include "reversemerge.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

const char* const kForward = "language\\Fre_Eng.wb";
const char* const kReverse = "language\\Eng_Fre.wb";
const char* const kLog = "new\\French_English.wb";

TEST(ReverseMerge, ExtendsOnlyWithRoomAndWhenNotListed) {
    const std::string x44(44, 'x');
    EXPECT_EQ(extendedTranslation(x44, "abcd"), x44 + ", abcd");  // 44 + 2 + 4 = 50
    EXPECT_EQ(extendedTranslation(x44, "abcde"), std::nullopt);
    EXPECT_EQ(extendedTranslation("dwelling", "house"), "dwelling, house");
    EXPECT_EQ(extendedTranslation("dwelling, house", "House"), std::nullopt);
    EXPECT_EQ(extendedTranslation("abode,, house ", "house"),
              std::nullopt);  // after an empty piece
    EXPECT_EQ(extendedTranslation("houses, home", "house"), "houses, home, house");
}

TEST(ReverseMerge, HeadwordsOfATranslationFitAHeadword) {
    const std::string p30(30, 'a'), p31(31, 'b');
    EXPECT_EQ(reverseHeadwordsOf("maison, " + p31 + ", " + p30 + ", demeure"),
              (std::vector<std::string>{"maison", p30, "demeure"}));
}

// French-English current, English-French its other direction, each with a
// small sorted dictionary.
class AddWordsTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    LanguagePair reverse = test::makePair("English", "French");

    void SetUp() override {
        core.pair.next = &reverse;
        catalogue.head = &core.pair;
        catalogue.size = 2;
        test::makeFolders("language");
        test::makeFolders("new");
        test::writeWordFile(kForward, {{"chat", "cat"}, {"chien", "dog"}, {"maison", "house"}});
        test::writeWordFile(kReverse, {{"abode", "demeure"}, {"cat", "chat"}, {"dog", "chien"}});
    }
    void begin() {
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
        beginAddWords();
    }
    // What the window does with a confirmed entry.
    void confirm(const std::string& headword, const std::string& translation) {
        storeEntry(headword, translation);
        std::string failed;
        ASSERT_EQ(mergeIntoReverse(headword, translation, &failed), 0) << failed;
    }
    static std::vector<test::Entry> entries(const std::string& path) {
        std::vector<test::Entry> out;
        for (const WordRecord& r : test::readRecords(path))
            out.push_back({headwordOf(r), translationOf(r)});
        return out;
    }
};

TEST_F(AddWordsTest, LookUpCoversTheSortedPartOnly) {
    begin();
    EXPECT_EQ(addWords.reversePair, &reverse);
    EXPECT_EQ(addWords.sortedCount, 3);
    HeadwordMatch found = lookUpHeadword("CHIEN");
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.index, 1);
    EXPECT_EQ(found.translation, "dog");
    EXPECT_FALSE(lookUpHeadword("chie").exists);
    storeEntry("zebre", "zebra");  // after every headword
    EXPECT_FALSE(lookUpHeadword("zebre").exists);
}

TEST_F(AddWordsTest, NewHeadwordsAreAppendedAndLoggedChangedOnesRewrittenInPlace) {
    // The look-up of "dinde" ends on a marked record; the new one is never marked.
    WordRecord marked = makeRecord("dindon", "turkey cock");
    marked.deleted = 1;
    test::writeRecords(kForward, {makeRecord("chat", "cat"), makeRecord("chien", "dog"), marked,
                                  makeRecord("maison", "house")});
    begin();
    EXPECT_EQ(storeEntry("dinde", "turkey"), StoredAs::Appended);
    EXPECT_EQ(storeEntry("dinde", "turkey hen"), StoredAs::Appended);
    EXPECT_EQ(wordStore.dictionaryCount, 6);
    std::vector<WordRecord> stored = test::readRecords(kForward);
    ASSERT_EQ(stored.size(), 6u);
    EXPECT_EQ(stored[4].deleted, 0);
    EXPECT_EQ(headwordOf(stored[5]), "dinde");
    EXPECT_EQ(translationOf(stored[5]), "turkey hen");
    // The log holds the same 84 bytes as each appended record.
    EXPECT_EQ(test::readBytes(kLog), test::readBytes(kForward).substr(4 * 84));

    EXPECT_EQ(storeEntry("Dindon", "tom"), StoredAs::Changed);
    stored = test::readRecords(kForward);
    EXPECT_EQ(stored.size(), 6u);
    EXPECT_EQ(headwordOf(stored[2]), "Dindon");
    EXPECT_EQ(translationOf(stored[2]), "tom");
    EXPECT_EQ(stored[2].deleted, 1);
    EXPECT_EQ(test::readBytes(kLog).size(), 2u * 84);
}

TEST_F(AddWordsTest, LogSkippedWhenItsFolderIsMissing) {
    std::filesystem::remove_all("new");
    begin();
    EXPECT_EQ(storeEntry("dinde", "turkey"), StoredAs::Appended);
    EXPECT_EQ(test::readRecords(kForward).size(), 4u);
}

TEST_F(AddWordsTest, MergeAddsNewReverseEntriesAndExtendsExistingOnes) {
    test::writeWordFile(kReverse, {{"abode", "gite"}, {"cat", "chat"}, {"dog", "chien"}});
    begin();
    confirm("demeure", "abode, dwelling, " + std::string(31, 'l'));
    confirm("domicile", "Abode, dwelling");
    confirm("logis", "abode");
    EXPECT_EQ(entries(kReverse),
              (std::vector<test::Entry>{{"abode", "gite, demeure, domicile, logis"},
                                        {"cat", "chat"},
                                        {"dog", "chien"},
                                        {"dwelling", "demeure"},
                                        {"dwelling", "domicile"}}));
    EXPECT_EQ(addWords.reverseDirty, 1);
    EXPECT_EQ(addWords.reverseSortedCount, 3);
    // Back in the current direction with its files open.
    EXPECT_EQ(currentPair(), &core.pair);
    EXPECT_EQ(wordStore.dictionaryCount, 6);
    ASSERT_EQ(readDictionaryRecord(5), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "logis");
}

TEST_F(AddWordsTest, ExistingReverseEntriesKeepTheirMarkAndNeedNoResort) {
    WordRecord marked = makeRecord("cat", std::string(44, 'c'));
    marked.deleted = 1;
    test::writeRecords(kReverse, {makeRecord("abode", "demeure"), marked});
    begin();
    confirm("chaton", "cat");  // 44 + 6 + 2 > 50: left as it is
    confirm("logis", "ABODE");
    std::vector<WordRecord> stored = test::readRecords(kReverse);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(translationOf(stored[0]), "demeure, logis");
    EXPECT_EQ(translationOf(stored[1]), std::string(44, 'c'));
    EXPECT_EQ(stored[1].deleted, 1);
    EXPECT_EQ(addWords.reverseDirty, 0);
}

TEST_F(AddWordsTest, AnEmptyReverseDictionaryNeverSearchesWhatWasAppended) {
    test::writeWordFile(kReverse, {});
    test::makeFolders("list\\words");
    begin();
    std::snprintf(wordStore.currentListName, sizeof wordStore.currentListName, "words");
    confirm("maison", "house");
    confirm("logis", "house");
    EXPECT_EQ(entries(kReverse),
              (std::vector<test::Entry>{{"house", "maison"}, {"house", "logis"}}));
    // Switching to the other direction opened its practice list, made empty.
    EXPECT_TRUE(fileExists("list\\words\\Eng_Fre.ls"));
    EXPECT_EQ(test::readBytes("list\\words\\Eng_Fre.ls"), "");
}

TEST_F(AddWordsTest, TheOtherDirectionFollowsItsOwnSortTable) {
    // English sorted by a table that puts z first: a look-up in the other
    // direction finds "zinc" only in that order.
    std::string table(256, '\0');
    for (int c = 1; c < 256; ++c) table[c] = static_cast<char>(c);
    table['z'] = 2;
    test::makeFolders("tables");
    test::writeBytes("tables\\English.stb", table);
    reverse.hasSortTable = 1;
    test::writeWordFile(kReverse, {{"zinc", "zinc"},
                                   {"abode", "demeure"},
                                   {"brass", "laiton"},
                                   {"copper", "cuivre"},
                                   {"dwelling", "logis"}});
    begin();
    confirm("zingue", "zinc");
    EXPECT_EQ(test::readRecords(kReverse).size(), 5u);
    EXPECT_EQ(translationOf(test::readRecords(kReverse)[0]), "zinc, zingue");
}

TEST_F(AddWordsTest, NoOtherDirectionMergesNothing) {
    core.pair.next = nullptr;
    catalogue.size = 1;
    begin();
    EXPECT_EQ(addWords.reversePair, nullptr);
    std::string before = test::readBytes(kReverse);
    std::string failed;
    EXPECT_EQ(mergeIntoReverse("maison", "house", &failed), 0);
    EXPECT_EQ(test::readBytes(kReverse), before);
    EXPECT_EQ(currentPair(), &core.pair);
}

TEST_F(AddWordsTest, MissingReverseDictionaryIsReportedWithTheCurrentPairBack) {
    std::filesystem::remove("language/Eng_Fre.wb");
    begin();
    std::string failed;
    EXPECT_EQ(mergeIntoReverse("maison", "house", &failed), -1);
    EXPECT_EQ(failed, "language\\Eng_Fre.wb");
    EXPECT_EQ(currentPair(), &core.pair);
    EXPECT_NE(wordStore.dictionaryFile, nullptr);
    EXPECT_EQ(wordStore.dictionaryCount, 3);
}

}  // namespace
