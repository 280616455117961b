// findWord: matches, insertion points and the probe bound.
#include <gtest/gtest.h>

#include <cmath>

#include "collation.h"
#include "lookup.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

class LookupTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void open(const std::vector<test::Entry>& entries) {
        test::makeFolders("language");
        test::writeWordFile("language\\Fre_Eng.wb", entries);
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
    }
    std::string foundHeadword(int32_t index) {
        EXPECT_EQ(readDictionaryRecord(index), 0);
        return wordStore.recordBuffer.headword;
    }
};

const std::vector<test::Entry> kAnimals = {
    {"ane", "donkey"},   {"chat", "cat"},  {"cheval", "horse"}, {"chien", "dog"},
    {"lapin", "rabbit"}, {"ours", "bear"}, {"souris", "mouse"}};

TEST_F(LookupTest, EmptyDictionaryGivesZero) {
    open({});
    wordStore.recordBuffer = makeRecord("untouched", "");
    EXPECT_EQ(findWord("anything"), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "untouched");  // nothing read
}

TEST_F(LookupTest, MatchesAndInsertionPoints) {
    open(kAnimals);
    EXPECT_EQ(findWord("ane"), 0);
    EXPECT_EQ(findWord("souris"), 6);
    EXPECT_EQ(findWord("chien"), 3);
    EXPECT_EQ(findWord("aaa"), 0);
    EXPECT_EQ(findWord("zebre"), 7);
    EXPECT_EQ(findWord("che"), 2);  // a typed prefix lands on its first word
    EXPECT_EQ(findWord("chf"), 3);
    EXPECT_EQ(findWord("ou"), 5);
}

TEST_F(LookupTest, EveryInsertionPointIsRight) {
    open(kAnimals);
    for (const char* key :
         {"", "a", "b", "cha", "chat", "chats", "ch", "l", "o", "p", "s", "t", "~"}) {
        int32_t r = findWord(key);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 7);
        for (int32_t i = 0; i < 7; ++i) {
            int c = compareWords(kAnimals[i].first.c_str(), key);
            if (i < r) {
                EXPECT_LE(c, 0) << key << " at " << i;
            } else {
                EXPECT_GE(c, 0) << key << " at " << i;
            }
        }
    }
}

TEST_F(LookupTest, CaseOnlyDifferenceCountsAsFound) {
    open(kAnimals);
    EXPECT_EQ(findWord("CHIEN"), 3);
    EXPECT_EQ(findWord("Lapin"), 4);
}

TEST_F(LookupTest, EqualHeadwordsGiveOneOfThem) {
    open({{"a", "0"}, {"b", "1"}, {"b", "2"}, {"b", "3"}, {"b", "4"}, {"c", "5"}, {"d", "6"}});
    int32_t r = findWord("b");
    EXPECT_GE(r, 1);
    EXPECT_LE(r, 4);
    EXPECT_EQ(r, 3);  // the first probe, (0 + 6) / 2, meets record 3
}

TEST_F(LookupTest, UnsortedFileStaysInRange) {
    open({{"zz", ""}, {"aa", ""}, {"yy", ""}, {"bb", ""}, {"xx", ""}});
    for (const char* key : {"aa", "bb", "mm", "zz", ""}) {
        int32_t r = findWord(key);
        EXPECT_GE(r, 0);
        EXPECT_LE(r, 5);
    }
}

TEST_F(LookupTest, LoweredCountNarrowsTheSearch) {
    open(kAnimals);
    wordStore.dictionaryCount = 3;
    EXPECT_EQ(findWord("zebre"), 3);
    EXPECT_EQ(findWord("souris"), 3);  // record 6 is outside the searched part
    EXPECT_EQ(findWord("chat"), 1);
}

TEST_F(LookupTest, ExtremeKeys) {
    open(kAnimals);
    EXPECT_EQ(findWord(""), 0);
    std::string longKey(200, 'z');
    EXPECT_EQ(findWord(longKey.c_str()), 7);
    std::string longA(200, 'a');
    EXPECT_EQ(findWord(longA.c_str()), 0);
    EXPECT_EQ(findWord("\xff\xfe"), 7);
}

TEST_F(LookupTest, LargeFileFindsEveryWordAndEveryGap) {
    std::vector<test::Entry> entries;
    for (int i = 0; i < 1000; ++i) {
        char word[8];
        std::snprintf(word, sizeof word, "w%04d", i * 2);
        entries.push_back({word, ""});
    }
    open(entries);
    for (int i = 0; i < 1000; i += 37) {
        char key[8];
        std::snprintf(key, sizeof key, "w%04d", i * 2 + 1);
        EXPECT_EQ(findWord(key), i + 1);
        std::snprintf(key, sizeof key, "w%04d", i * 2);
        EXPECT_EQ(foundHeadword(findWord(key)), key);
    }
}

}  // namespace
