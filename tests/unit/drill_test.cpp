// The drill's logic: the slider's periods, the draw without replacement and
// the order of checks at each message of the step timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drill.h"
#include "practicelayout.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

using Show = DrillStep::Show;

// A generator of 15-bit values (0 to 32767), as the program's runtime has.
unsigned state15 = 1;
unsigned random15() {
    state15 = state15 * 214013u + 2531011u;
    return (state15 >> 16) & 0x7fff;
}

TEST(DrillPeriods, FromTenSecondsAtSlowToHalfASecondAtFast) {
    const int expected[] = {10000, 9050, 8100, 7150, 6200, 5250, 4300, 3350, 2400, 1450, 500};
    for (int speed = kSlowestSpeed; speed <= kFastestSpeed; ++speed)
        EXPECT_EQ(stepPeriod(speed), expected[speed - 1]) << speed;
}

TEST(DrillPool, TakesTheValueModuloTheRemainderAndMovesTheLastIntoTheGap) {
    DrillPool pool(5);               // 0 1 2 3 4
    EXPECT_EQ(pool.draw(11), 1);     // 11 mod 5 = 1; then 0 4 2 3
    EXPECT_EQ(pool.draw(5), 4);      // 5 mod 4 = 1; then 0 3 2
    EXPECT_EQ(pool.draw(32767), 3);  // 32767 mod 3 = 1; then 0 2
    EXPECT_EQ(pool.draw(2), 0);      // 2 mod 2 = 0; then 2
    EXPECT_EQ(pool.draw(7), 2);
    EXPECT_EQ(pool.remaining(), 0);
    EXPECT_EQ(pool.draw(7), -1);  // nothing left, and the count stays at 0
    EXPECT_EQ(pool.remaining(), 0);
}

// Lists longer than the generator's range still give every record once:
// the records beyond 32 767 come forward as the gaps are filled.
TEST(DrillPool, EveryRecordExactlyOncePerPassBeyondTheGeneratorsRange) {
    for (int32_t count : {1, 2, 97, 32768, 40000}) {
        DrillPool pool(count);
        std::vector<int> seen(static_cast<size_t>(count), 0);
        for (int32_t i = 0; i < count; ++i) {
            int32_t record = pool.draw(random15());
            ASSERT_GE(record, 0) << count;
            ASSERT_LT(record, count) << count;
            ++seen[static_cast<size_t>(record)];
        }
        EXPECT_EQ(pool.draw(random15()), -1) << count;
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; })) << count;
    }
}

TEST(DrillCycle, HeadwordThenTranslationForEachWordThenTheEnd) {
    Drill drill(2, random15);
    DrillStep first = drill.onTimer(kStartSpeed);
    EXPECT_EQ(first.show, Show::Headword);
    EXPECT_EQ(first.restartPeriod, 5250);  // from 100 ms to the slider's period
    EXPECT_TRUE(drill.translationPending());

    DrillStep answer = drill.onTimer(kStartSpeed);
    EXPECT_EQ(answer.show, Show::Translation);
    EXPECT_EQ(answer.restartPeriod, 0);
    EXPECT_EQ(answer.progress, 1);

    DrillStep second = drill.onTimer(kStartSpeed);
    EXPECT_EQ(second.show, Show::Headword);
    EXPECT_EQ(second.restartPeriod, 0);
    EXPECT_NE(second.record, first.record);
    EXPECT_EQ(drill.onTimer(kStartSpeed).progress, 2);

    EXPECT_EQ(drill.onTimer(kStartSpeed).show, Show::EndOfPass);
    EXPECT_EQ(drill.stepInterval(), 0);
    EXPECT_EQ(drill.drillShown(), 3);
    // Once over, nothing moves it again.
    EXPECT_EQ(drill.onTimer(kStartSpeed).show, Show::Nothing);
    EXPECT_EQ(drill.skip(), 0);
    EXPECT_EQ(drill.restart(), 0);
    EXPECT_EQ(drill.onTimer(kFastestSpeed).show, Show::Nothing);
}

TEST(DrillCycle, MovedSliderRestartsTheTimerAtTheNextMessageOnly) {
    Drill drill(3, random15);
    drill.onTimer(kStartSpeed);
    // Moved before this message: the step still comes, with the new period.
    DrillStep step = drill.onTimer(9);
    EXPECT_EQ(step.show, Show::Translation);
    EXPECT_EQ(step.restartPeriod, 2400);
    EXPECT_EQ(drill.lastSpeed(), 9);
    EXPECT_EQ(drill.stepInterval(), 2400);
    EXPECT_EQ(drill.onTimer(9).restartPeriod, 0);  // not again while it stays
    // Moved before the very first step: one restart with the new period.
    Drill opening(3, random15);
    DrillStep first = opening.onTimer(kFastestSpeed);
    EXPECT_EQ(first.show, Show::Headword);
    EXPECT_EQ(first.restartPeriod, 500);
    EXPECT_EQ(opening.stepInterval(), 500);
}

TEST(DrillCycle, SkipStepsAtOnceAndTheNextMessageReturnsToTheSlidersPeriod) {
    Drill drill(3, random15);
    drill.onTimer(kStartSpeed);
    EXPECT_EQ(drill.skip(), kSkipInterval);
    DrillStep step = drill.onTimer(kStartSpeed);
    EXPECT_EQ(step.show, Show::Translation);
    EXPECT_EQ(step.restartPeriod, 5250);
    EXPECT_EQ(drill.stepInterval(), 5250);
    // A skip after a translation brings the next headword; a slider moved
    // meanwhile gives its own period.
    EXPECT_EQ(drill.skip(), kSkipInterval);
    step = drill.onTimer(kFastestSpeed);
    EXPECT_EQ(step.show, Show::Headword);
    EXPECT_EQ(step.restartPeriod, 500);
    EXPECT_EQ(drill.drillShown(), 2);
}

// A resize while a headword waits for its translation: that word counts as
// shown, its translation never comes, the pass still ends after listCount
// words and the progress counts only the translations shown.
TEST(DrillCycle, ResizeDropsThePendingTranslation) {
    Drill drill(3, random15);
    drill.onTimer(kStartSpeed);  // word 1
    EXPECT_EQ(drill.restart(), kRestartInterval);
    EXPECT_FALSE(drill.translationPending());
    DrillStep step = drill.onTimer(kStartSpeed);
    EXPECT_EQ(step.show, Show::Headword);  // word 2, not the translation of word 1
    EXPECT_EQ(step.restartPeriod, 5250);
    step = drill.onTimer(kStartSpeed);
    EXPECT_EQ(step.show, Show::Translation);
    EXPECT_EQ(step.progress, 1);  // word 1's translation was never shown
    EXPECT_EQ(drill.onTimer(kStartSpeed).show, Show::Headword);
    EXPECT_EQ(drill.onTimer(kStartSpeed).progress, 2);
    EXPECT_EQ(drill.onTimer(kStartSpeed).show, Show::EndOfPass);
    EXPECT_EQ(drill.drillRemaining(), 0);
    // A resize after the translation: the next headword comes after 100 ms.
    Drill other(2, random15);
    other.onTimer(kStartSpeed);
    other.onTimer(kStartSpeed);
    EXPECT_EQ(other.restart(), kRestartInterval);
    EXPECT_EQ(other.onTimer(kStartSpeed).show, Show::Headword);
}

// Duplicates in the list file are separate records, each drilled: a pass
// read through the word store gives the file's headwords, each once.
TEST(DrillCycle, PassOverAListFileWithDuplicates) {
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    test::makeFolders("list\\verbs");
    test::writeWordFile("list\\verbs\\Fre_Eng.ls",
                        {{"avoir", "have"}, {"etre", "be"}, {"avoir", "have"}, {"aller", "go"}});
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, "verbs");
    ASSERT_EQ(openPracticeList(), 0);
    countListRecords();
    Drill drill(wordStore.listCount, random15);
    std::vector<std::string> headwords;
    for (DrillStep step = drill.onTimer(kStartSpeed); step.show != Show::EndOfPass;
         step = drill.onTimer(kStartSpeed)) {
        if (step.show != Show::Headword) continue;
        ASSERT_EQ(readListRecord(step.record), 0);
        headwords.push_back(wordStore.recordBuffer.headword);
    }
    std::sort(headwords.begin(), headwords.end());
    EXPECT_EQ(headwords, (std::vector<std::string>{"aller", "avoir", "avoir", "etre"}));
}

// The layout stays centred in a larger window and keeps its margins in a
// smaller one.
TEST(PracticeLayout, OriginCentresTheLayoutWithinItsMargins) {
    ContentOrigin at = centredContentOrigin(1000, 600);
    EXPECT_EQ(at.left, 200);
    EXPECT_EQ(at.top, 175);
    at = centredContentOrigin(633, 275);  // halves truncated
    EXPECT_EQ(at.left, 16);
    EXPECT_EQ(at.top, 12);
    at = centredContentOrigin(300, 100);
    EXPECT_EQ(at.left, kContentLeft);
    EXPECT_EQ(at.top, kContentTop);
}

}  // namespace
