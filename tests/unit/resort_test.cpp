// The re-sort: progress, dropped marks, order, and a dictionary left intact
// when it fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "collation.h"
#include "files.h"
#include "lookup.h"
#include "resort.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

const char* const kDict = "language\\Fre_Eng.wb";

struct RecordedProgress : ResortProgress {
    std::vector<std::pair<int, int32_t>> calls;
    void show(int label, int32_t count) override { calls.push_back({label, count}); }
    std::vector<int32_t> counts(int label) const {
        std::vector<int32_t> out;
        for (auto& c : calls)
            if (c.first == label) out.push_back(c.second);
        return out;
    }
};

class ResortTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void SetUp() override { test::makeFolders("language"); }
    void open(const std::vector<WordRecord>& records) {
        test::writeRecords(kDict, records);
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
    }
    std::vector<std::string> headwords() {
        std::vector<std::string> out;
        for (const WordRecord& r : test::readRecords(kDict)) out.push_back(headwordOf(r));
        return out;
    }
};

WordRecord marked(const std::string& headword, int16_t mark) {
    WordRecord r = makeRecord(headword, "x");
    r.deleted = mark;
    return r;
}

std::vector<WordRecord> randomWords(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-'\xe9\xe8\xfc";
    std::vector<WordRecord> records;
    for (size_t i = 0; i < n; ++i) {
        std::string w(1 + rng() % 12, ' ');
        for (char& c : w) c = letters[rng() % (sizeof letters - 1)];
        if (rng() % 4 == 0) w = "common-prefix-" + w;  // beyond the 8-byte sort prefix
        records.push_back(makeRecord(w.substr(0, 30), std::to_string(i)));
    }
    return records;
}

TEST_F(ResortTest, ProgressFor2500RecordsReadsSortsAndWritesInSteps) {
    open(randomWords(2500, 7));
    RecordedProgress progress;
    ASSERT_EQ(resortDictionary(&progress), 0);
    EXPECT_EQ(progress.counts(kResortReadingLabel), (std::vector<int32_t>{0, 1000, 2000}));
    EXPECT_EQ(progress.counts(kResortWritingLabel), (std::vector<int32_t>{0, 1000, 2000}));
    std::vector<int32_t> sorting = progress.counts(kResortSortingLabel);
    ASSERT_GE(sorting.size(), 1u);
    for (size_t i = 0; i < sorting.size(); ++i) EXPECT_EQ(sorting[i], int32_t(2000 * i));
    // Reading, then sorting, then writing.
    auto firstOf = [&](int label) {
        return std::find_if(progress.calls.begin(), progress.calls.end(),
                            [&](auto& c) { return c.first == label; }) -
               progress.calls.begin();
    };
    EXPECT_LT(firstOf(kResortReadingLabel), firstOf(kResortSortingLabel));
    EXPECT_EQ(firstOf(kResortWritingLabel), long(progress.calls.size()) - 3);
    EXPECT_EQ(wordStore.dictionaryCount, 2500);
}

TEST_F(ResortTest, ResultIsOrderedByCompareWordsAndKeepsEveryRecord) {
    std::vector<WordRecord> records = randomWords(3000, 11);
    open(records);
    ASSERT_EQ(resortDictionary(), 0);
    std::vector<WordRecord> sorted = test::readRecords(kDict);
    ASSERT_EQ(sorted.size(), records.size());
    for (size_t i = 1; i < sorted.size(); ++i)
        ASSERT_LE(compareWords(sorted[i - 1].headword, sorted[i].headword), 0) << i;
    auto key = [](const WordRecord& r) { return headwordOf(r) + "\t" + translationOf(r); };
    std::vector<std::string> before, after;
    for (auto& r : records) before.push_back(key(r));
    for (auto& r : sorted) after.push_back(key(r));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
}

TEST_F(ResortTest, SortTableOrderHoldsBeyondTheFirstEightCharacters) {
    // Case folded, the hyphen ignored, the apostrophe ends a text.
    std::string table(256, '\0');
    for (int c = 1; c < 256; ++c) table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    table['-'] = 1;
    table['\''] = 0;
    test::makeFolders("tables");
    test::writeBytes("tables\\French.stb", table);
    core.pair.hasSortTable = 1;
    open(randomWords(3000, 5));
    ASSERT_EQ(resortDictionary(), 0);
    std::vector<WordRecord> sorted = test::readRecords(kDict);
    ASSERT_EQ(sorted.size(), 3000u);
    for (size_t i = 1; i < sorted.size(); ++i)
        ASSERT_LE(compareWords(sorted[i - 1].headword, sorted[i].headword), 0) << i;
}

TEST_F(ResortTest, ASortedFileAfterAFewChangesEndsAsASortFromScratchWouldLeaveIt) {
    open(randomWords(4000, 21));
    ASSERT_EQ(resortDictionary(), 0);
    // What the windows do between two re-sorts: headwords edited in place,
    // marks set, words appended.
    std::mt19937 rng(4);
    for (int k = 0; k < 9; ++k) {
        int32_t i = static_cast<int32_t>(rng() % static_cast<unsigned>(wordStore.dictionaryCount));
        ASSERT_EQ(readDictionaryRecord(i), 0);
        if (k < 6)
            copyField(wordStore.recordBuffer.headword, sizeof wordStore.recordBuffer.headword,
                      headwordOf(randomWords(1, rng())[0]));
        else
            wordStore.recordBuffer.deleted = 1;
        ASSERT_EQ(writeDictionaryRecord(i), 0);
    }
    for (const WordRecord& r : randomWords(5, 99)) {
        wordStore.recordBuffer = r;
        ASSERT_EQ(writeDictionaryRecord(wordStore.dictionaryCount++), 0);
    }
    std::vector<WordRecord> expected;
    for (const WordRecord& r : test::readRecords(kDict))
        if (r.deleted == 0) expected.push_back(r);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const WordRecord& a, const WordRecord& b) {
                         return compareWords(a.headword, b.headword) < 0;
                     });

    RecordedProgress progress;
    ASSERT_EQ(resortDictionary(&progress), 0);
    std::vector<WordRecord> sorted = test::readRecords(kDict);
    ASSERT_EQ(sorted.size(), expected.size());
    EXPECT_EQ(std::memcmp(sorted.data(), expected.data(), sorted.size() * sizeof(WordRecord)), 0);
    // One walk over the file and a little merging: at most three steps of 2000.
    EXPECT_LE(progress.counts(kResortSortingLabel).size(), 3u);
}

TEST_F(ResortTest, MarkedRecordsAreDroppedWhateverTheMark) {
    open({marked("pomme", 0), marked("chat", 1), marked("abeille", 2), marked("zut", -1),
          marked("chien", 0), marked("ane", 0)});
    ASSERT_EQ(resortDictionary(), 0);
    EXPECT_EQ(headwords(), (std::vector<std::string>{"ane", "chien", "pomme"}));
    EXPECT_EQ(wordStore.dictionaryCount, 3);
    EXPECT_NE(wordStore.dictionaryFile, nullptr);
    for (const char* w : {"ane", "chien", "pomme"}) {
        int32_t r = findWord(w);
        ASSERT_EQ(readDictionaryRecord(r), 0);
        EXPECT_STREQ(wordStore.recordBuffer.headword, w);
    }
}

TEST_F(ResortTest, AppendedFirstWordMovesToTheFront) {
    open({makeRecord("chat", "cat"), makeRecord("chien", "dog"), makeRecord("ours", "bear")});
    wordStore.recordBuffer = makeRecord("abeille", "bee");
    ASSERT_EQ(writeDictionaryRecord(wordStore.dictionaryCount), 0);
    ++wordStore.dictionaryCount;
    ASSERT_EQ(resortDictionary(), 0);
    ASSERT_EQ(readDictionaryRecord(0), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "abeille");
    EXPECT_STREQ(wordStore.recordBuffer.translation, "bee");
    EXPECT_EQ(wordStore.dictionaryCount, 4);
}

TEST_F(ResortTest, EqualHeadwordsAreBothKeptInFileOrder) {
    open({makeRecord("pomme", "apple"), makeRecord("Ane", "1"), makeRecord("ane", "2"),
          makeRecord("ANE", "3")});
    ASSERT_EQ(resortDictionary(), 0);
    std::vector<WordRecord> sorted = test::readRecords(kDict);
    ASSERT_EQ(sorted.size(), 4u);
    EXPECT_EQ(translationOf(sorted[0]) + translationOf(sorted[1]) + translationOf(sorted[2]),
              "123");
    EXPECT_EQ(headwordOf(sorted[3]), "pomme");
}

TEST_F(ResortTest, NoLiveRecordsGiveAnEmptyFile) {
    open({marked("chat", 1), marked("chien", 1)});
    ASSERT_EQ(resortDictionary(), 0);
    EXPECT_EQ(test::readBytes(kDict), "");
    EXPECT_EQ(wordStore.dictionaryCount, 0);
    EXPECT_NE(wordStore.dictionaryFile, nullptr);
    EXPECT_FALSE(fileExists("language\\tempfile"));
}

TEST_F(ResortTest, FieldsWithoutNulAreEndedWithinTheirBounds) {
    WordRecord wild;
    std::memset(&wild, 'x', sizeof wild);
    wild.deleted = 0;
    open({makeRecord("zz", ""), wild});
    ASSERT_EQ(resortDictionary(), 0);
    std::vector<WordRecord> sorted = test::readRecords(kDict);
    ASSERT_EQ(sorted.size(), 2u);
    EXPECT_EQ(std::string(sorted[0].headword), std::string(30, 'x'));
    EXPECT_EQ(std::string(sorted[0].translation), std::string(50, 'x'));
}

TEST_F(ResortTest, TheSortTableOfThePairIsLoadedAndUsed) {
    // A table that puts z before a and ignores hyphens; the rest by code.
    std::string table(256, '\0');
    for (int c = 1; c < 256; ++c) table[c] = static_cast<char>(c);
    table['z'] = 2;
    table['-'] = 1;
    test::makeFolders("tables");
    test::writeBytes("tables\\French.stb", table);
    core.pair.hasSortTable = 1;
    open({makeRecord("abc", "1"), makeRecord("zebre", "2"), makeRecord("a-bd", "3"),
          makeRecord("abb", "4")});
    ASSERT_EQ(resortDictionary(), 0);
    EXPECT_EQ(headwords(), (std::vector<std::string>{"zebre", "abb", "abc", "a-bd"}));
}

TEST_F(ResortTest, TempFileThatCannotBeCreatedLeavesTheDictionaryAlone) {
    open({marked("pomme", 0), marked("chat", 1), marked("ane", 0)});
    const std::string before = test::readBytes(kDict);
    test::makeFolders("language\\tempfile\\inner");  // a folder where the file should go
    ResortFailure failure = ResortFailure::None;
    EXPECT_EQ(resortDictionary(nullptr, ResortCollation::CurrentPair, &failure), -1);
    EXPECT_EQ(failure, ResortFailure::CreateTemp);
    EXPECT_EQ(test::readBytes(kDict), before);
    EXPECT_EQ(wordStore.dictionaryCount, 3);  // still counts the file as it is
    ASSERT_NE(wordStore.dictionaryFile, nullptr);
    ASSERT_EQ(readDictionaryRecord(2), 0);
    EXPECT_STREQ(wordStore.recordBuffer.headword, "ane");
}

TEST_F(ResortTest, ClosedDictionaryFails) { EXPECT_EQ(resortDictionary(), -1); }

#ifndef _WIN32
TEST_F(ResortTest, WriteErrorKeepsTheDictionaryAndRemovesTheTempFile) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    std::vector<WordRecord> records = randomWords(5000, 3);  // more than one buffer's worth
    open(records);
    const std::string before = test::readBytes(kDict);
    ASSERT_EQ(symlink("/dev/full", "language/tempfile"), 0);
    ResortFailure failure = ResortFailure::None;
    EXPECT_EQ(resortDictionary(nullptr, ResortCollation::CurrentPair, &failure), -1);
    EXPECT_EQ(failure, ResortFailure::Write);
    EXPECT_EQ(test::readBytes(kDict), before);
    EXPECT_EQ(wordStore.dictionaryCount, 5000);
}
#endif

}  // namespace
