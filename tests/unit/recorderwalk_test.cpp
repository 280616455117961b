// The recorder's walk: where it resumes, what the keys do at both ends of
// the dictionary, and which recordings are kept.
#include "recorderwalk.h"

#include <gtest/gtest.h>

namespace {

TEST(RecorderWalk, ResumesAtTheSavedWordWithinTheDictionary) {
    RecorderWalk fresh(0, 3);
    EXPECT_EQ(fresh.recordIndex(), 0);
    EXPECT_EQ(fresh.counterText(), "Word 1 of 3");
    EXPECT_EQ(RecorderWalk(2, 3).counterText(), "Word 3 of 3");
    EXPECT_EQ(RecorderWalk(-4, 3).recordIndex(), 0);  // a damaged key starts at the first word

    // Saved at or past the end (the dictionary shrank, or was done): the end
    // of the list, the counter on the last word, Backspace back to it.
    RecorderWalk past(40, 3);
    EXPECT_TRUE(past.atEnd());
    EXPECT_EQ(past.counterText(), "Word 3 of 3");
    EXPECT_EQ(past.space("anything"), RecorderStep::None);
    EXPECT_FALSE(past.isRecording());
    past.previous();
    EXPECT_EQ(past.recordIndex(), 2);

    RecorderWalk empty(0, 0);
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.counterText(), "Word 0 of 0");
}

TEST(RecorderWalk, SpaceRecordsThenSavesUnderTheWordShownAtTheStop) {
    RecorderWalk walk(0, 3);
    EXPECT_EQ(walk.space("chat"), RecorderStep::Start);
    EXPECT_TRUE(walk.isRecording());
    EXPECT_EQ(walk.space("chat"), RecorderStep::Save);
    EXPECT_FALSE(walk.isRecording());
    EXPECT_EQ(walk.recordIndex(), 1);

    // Space, Backspace, Space: the recording belongs to the previous word,
    // and the walk goes on from the word after it.
    EXPECT_EQ(walk.space("chien"), RecorderStep::Start);
    walk.previous();
    EXPECT_EQ(walk.space("chat"), RecorderStep::Save);
    EXPECT_EQ(walk.recordIndex(), 1);

    walk.previous();
    walk.previous();  // Backspace on the first word stays there
    EXPECT_EQ(walk.recordIndex(), 0);
}

TEST(RecorderWalk, NothingIsKeptPastTheEndOfTheList) {
    RecorderWalk walk(1, 2);
    EXPECT_EQ(walk.space("last"), RecorderStep::Start);
    walk.next();  // Enter while recording: the end, the recording still runs
    EXPECT_TRUE(walk.atEnd());
    EXPECT_TRUE(walk.isRecording());
    walk.next();  // further Enters stay at the end
    EXPECT_EQ(walk.recordIndex(), 2);
    EXPECT_EQ(walk.counterText(), "Word 2 of 2");
    EXPECT_EQ(walk.space("last"), RecorderStep::Discard);
    EXPECT_FALSE(walk.isRecording());
    EXPECT_EQ(walk.space("last"), RecorderStep::None);  // nothing shown to record
    walk.previous();
    EXPECT_EQ(walk.recordIndex(), 1);
}

TEST(RecorderWalk, AWordThatNamesNoFileIsRefusedAndPassed) {
    RecorderWalk walk(0, 5);
    for (const char* word : {"..\\..\\x", "a/b", "c:d", ".."}) {
        const int32_t before = walk.recordIndex();
        EXPECT_EQ(walk.space(word), RecorderStep::Start) << word;
        EXPECT_EQ(walk.space(word), RecorderStep::Refuse) << word;
        EXPECT_EQ(walk.recordIndex(), before + 1) << word;
    }
    // A record with an empty headword shows nothing: nothing starts there,
    // and a recording brought to it is not kept.
    EXPECT_EQ(walk.space(""), RecorderStep::None);
    walk.previous();
    EXPECT_EQ(walk.space("word"), RecorderStep::Start);
    walk.next();
    EXPECT_EQ(walk.space(""), RecorderStep::Discard);
}

TEST(RecorderWalk, ClosingStopsARunningRecordingWithoutKeepingIt) {
    RecorderWalk walk(0, 3);
    EXPECT_EQ(walk.close(), RecorderStep::None);
    walk.space("chat");
    EXPECT_EQ(walk.close(), RecorderStep::Discard);
    EXPECT_FALSE(walk.isRecording());
    EXPECT_EQ(walk.recordIndex(), 0);  // the position kept is the word shown
}

}  // namespace
