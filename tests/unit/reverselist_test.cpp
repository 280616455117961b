// The reverse word list: pieces, the sort, joining equal headwords, progress
// and the fatal errors.
#include "reverselist.h"

#include <gtest/gtest.h>

#include "collate.h"
#include "files.h"
#include "testsupport.h"

#ifndef _WIN32
#include <unistd.h>
#endif

using test::Entry;

namespace {

const ReverseListFiles kFiles{"language\\Fre_Eng.wb", "language\\Eng_Fre.wb", "language\\temp.wb"};

class ReverseListTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    void SetUp() override {
        clearCollationLocale();  // the installer's comparison without a locale: A-Z folding
        test::makeFolders("language");
    }
    std::vector<Entry> build(const std::vector<Entry>& from) {
        test::writeWordFile(kFiles.from, from);
        ReverseListResult r = buildReverseList(kFiles);
        EXPECT_EQ(r.status, 0) << r.error;
        EXPECT_FALSE(fileExists(kFiles.temp));
        std::vector<Entry> to;
        for (const WordRecord& rec : test::readRecords(kFiles.to)) {
            EXPECT_EQ(rec.deleted, 0);
            to.push_back({headwordOf(rec), translationOf(rec)});
        }
        return to;
    }
};

TEST_F(ReverseListTest, EveryTranslationBecomesAHeadword) {
    auto to = build({{"dog", "chien, toutou"}, {"hound", "chien"}});
    EXPECT_EQ(to, (std::vector<Entry>{{"chien", "dog, hound"}, {"toutou", "dog"}}));
}

TEST_F(ReverseListTest, PiecesOfThirtyCharactersFitThirtyOneDoNot) {
    const std::string p30(30, 'a'), p31(31, 'b');
    auto to = build({{"one", p30}, {"two", p31 + ", c"}});
    EXPECT_EQ(to, (std::vector<Entry>{{p30, "one"}, {"c", "two"}}));
}

TEST_F(ReverseListTest, JoinedTranslationStopsAtFiftyButShorterOnesStillFit) {
    // 20 + 2 + 20 = 42; a further 7 would make 51; a later 6 makes 50.
    const std::string a(20, 'a'), b(20, 'b'), c(7, 'c'), d(6, 'd');
    auto to = build({{a, "x"}, {b, "x"}, {c, "x"}, {d, "x"}});
    ASSERT_EQ(to.size(), 1u);
    EXPECT_EQ(to[0].second, a + ", " + b + ", " + d);
    EXPECT_EQ(to[0].second.size(), 50u);
}

TEST_F(ReverseListTest, CaseDifferingHeadwordsSortTogetherButAreNotJoined) {
    auto to = build({{"one", "Chien"}, {"two", "chien"}, {"three", "Chien"}, {"four", "apple"}});
    // The temporary order Chien, chien, Chien is kept by the sort; the
    // different-case record in the middle keeps the outer two apart.
    EXPECT_EQ(to, (std::vector<Entry>{
                      {"apple", "four"}, {"Chien", "one"}, {"chien", "two"}, {"Chien", "three"}}));
}

TEST_F(ReverseListTest, BlanksAfterTheLastCommaGiveAnEmptyHeadwordFirst) {
    auto to = build({{"dog", "chien,  "}});
    EXPECT_EQ(to, (std::vector<Entry>{{"", "dog"}, {"chien", "dog"}}));
}

TEST_F(ReverseListTest, DuplicatesAreJoinedTwice) {
    auto to = build({{"dog", "chien, chien"}});
    EXPECT_EQ(to, (std::vector<Entry>{{"chien", "dog, dog"}}));
}

TEST_F(ReverseListTest, MarkedFromRecordsAreReversedAndTheResultIsLive) {
    WordRecord r = makeRecord("dog", "chien");
    r.deleted = 1;
    test::writeRecords(kFiles.from, {r});
    ASSERT_EQ(buildReverseList(kFiles).status, 0);
    std::vector<WordRecord> to = test::readRecords(kFiles.to);
    ASSERT_EQ(to.size(), 1u);
    WordRecord expected = makeRecord("chien", "dog");  // all other bytes zero
    EXPECT_EQ(std::memcmp(&to[0], &expected, sizeof expected), 0);
}

TEST_F(ReverseListTest, SortFoldsOnlyAToZ) {
    auto to = build({{"1", "Zebre"},
                     {"2", "apple"},
                     {"3", "\xe9t\xe9"},
                     {"4", "Banane"},
                     {"5", "co-op"},
                     {"6", "coop"}});
    std::vector<std::string> heads;
    for (auto& e : to) heads.push_back(e.first);
    EXPECT_EQ(heads,
              (std::vector<std::string>{"apple", "Banane", "co-op", "coop", "Zebre", "\xe9t\xe9"}));
}

TEST_F(ReverseListTest, MissingFromListIsFatalAndTouchesNothing) {
    test::writeBytes(kFiles.to, "old");
    ReverseListResult r = buildReverseList(kFiles);
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.error, "Input file missing");
    EXPECT_EQ(test::readBytes(kFiles.to), "old");
    test::makeFolders(kFiles.from);  // a folder is no word list either
    EXPECT_EQ(buildReverseList(kFiles).error, "Input file missing");
}

TEST_F(ReverseListTest, TempListThatCannotBeCreatedIsFatal) {
    test::writeWordFile(kFiles.from, {{"dog", "chien"}});
    test::makeFolders("language\\temp.wb\\inner");
    ReverseListResult r = buildReverseList(kFiles);
    EXPECT_EQ(r.error, "Can't create tempfile");
    EXPECT_FALSE(fileExists(kFiles.to));
    EXPECT_TRUE(folderExists("language\\temp.wb"));  // not ours to remove
}

TEST_F(ReverseListTest, ToListThatCannotBeReplacedIsFatalAndLeavesNoTempList) {
    test::writeWordFile(kFiles.from, {{"dog", "chien"}});
    test::makeFolders("language\\Eng_Fre.wb\\inner");
    ReverseListResult r = buildReverseList(kFiles);
    EXPECT_EQ(r.error, "Can't create output file");
    EXPECT_FALSE(fileExists(kFiles.temp));
    EXPECT_TRUE(folderExists("language\\Eng_Fre.wb\\inner"));
}

#ifndef _WIN32
TEST_F(ReverseListTest, WriteErrorOnTheTempList) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    std::vector<Entry> from(200, {"dog", "chien, toutou"});
    test::writeWordFile(kFiles.from, from);
    test::writeBytes(kFiles.to, "old");
    ASSERT_EQ(symlink("/dev/full", "language/temp.wb"), 0);
    EXPECT_EQ(buildReverseList(kFiles).error, "Write error tempfile");
    EXPECT_EQ(test::readBytes(kFiles.to), "old");
}
#endif

struct RecordedSteps : ReverseListProgress {
    std::vector<std::string> events;
    std::vector<int32_t> records;
    std::vector<int64_t> compared;
    void bar(int percent) override { events.push_back(std::to_string(percent) + "%"); }
    void stepStarted(ReverseStep s) override { events.push_back(reverseStepName(s)); }
    void stepDone() override { events.push_back("Done."); }
    void recordCounter(int32_t i) override { records.push_back(i); }
    void comparisonCounter(int64_t n) override { compared.push_back(n); }
};

TEST_F(ReverseListTest, ProgressGoesThroughTheStepsAndCounters) {
    std::vector<Entry> from;
    for (int i = 0; i < 250; ++i)
        from.push_back({"w" + std::to_string(i), "t" + std::to_string((i * 7919) % 250)});
    test::writeWordFile(kFiles.from, from);
    RecordedSteps progress;
    ASSERT_EQ(buildReverseList(kFiles, &progress).status, 0);
    EXPECT_EQ(progress.events,
              (std::vector<std::string>{"0%", "Reading FROM wordlist", "10%", "Done.", "25%",
                                        "Writing TEMP wordlist", "Done.", "50%",
                                        "Reading TO wordlist", "Done.", "Sorting TO wordlist",
                                        "Done.", "75%", "Writing TO wordlist", "Done.", "100%"}));
    // Read FROM, write TEMP, read TEMP, write TO: 0, 100, 200 each.
    std::vector<int32_t> expected;
    for (int pass = 0; pass < 4; ++pass) expected.insert(expected.end(), {0, 100, 200});
    EXPECT_EQ(progress.records, expected);
    ASSERT_GE(progress.comparisons, 1);
    ASSERT_FALSE(progress.compared.empty());

    // The comparison count runs on from build to build, shown at every 1000th.
    for (int build = 0; build < 200 && progress.comparisons <= 2000; ++build) {
        const int64_t before = progress.comparisons;
        ASSERT_EQ(buildReverseList(kFiles, &progress).status, 0);
        ASSERT_GT(progress.comparisons, before);
    }
    EXPECT_EQ(progress.compared, (std::vector<int64_t>{0, 1000, 2000}));
}

}  // namespace
