// drill.h — the flash-card drill's decisions, apart from its window: the
// speed slider's step periods, the draw of list records without
// replacement, and what each message of the step timer, each key or click
// and each resize does to the cycle of headword and translation.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSlowestSpeed = 1;
constexpr int kFastestSpeed = 11;
constexpr int kStartSpeed = 6;         // the slider's position whenever the window opens
constexpr int kRestartInterval = 100;  // the first step after opening or a resize
constexpr int kSkipInterval = 10;      // a key or a click moves on at once

// The period of a slider position: 10000 ms at 1 down to 500 ms at 11.
int stepPeriod(int speed);

// The list records not yet shown in this pass, drawn at random without
// replacement: every record exactly once, duplicates in the file included.
class DrillPool {
   public:
    explicit DrillPool(int32_t count);

    int32_t remaining() const { return remaining_; }

    // The record at r mod remaining(), r being a value of the runtime's
    // 15-bit generator; the last of the remaining records takes its place.
    // -1 when none is left.
    int32_t draw(unsigned r);

   private:
    std::vector<int32_t> pool_;
    int32_t remaining_;
};

// What the window does for one message of the step timer.
struct DrillStep {
    // Nothing: a message that comes after the pass has ended.
    enum class Show { Nothing, Headword, Translation, EndOfPass };
    Show show = Show::Nothing;
    int restartPeriod = 0;  // > 0: the timer starts again with this period now
    int32_t record = -1;    // Headword: the list record to read and show
    // Translation: the words whose translation has been shown. The words
    // drawn, less those whose translation a resize dropped: so the bar
    // counts what the user has actually seen answered.
    int32_t progress = 0;
};

// The cycle of one pass over a list of listCount records.
class Drill {
   public:
    using Random = unsigned (*)();  // the runtime's generator, asked once per word
    Drill(int32_t listCount, Random random);

    // One timer message, with the slider where it stands now. Its checks in
    // order: a moved slider restarts the timer with its period; a skip's
    // short period returns to the slider's; then the next step, headword
    // or translation, or the end of the pass once every word was begun.
    DrillStep onTimer(int sliderPosition);

    // A key or a click: the period the timer restarts with (10 ms), or 0
    // when the pass is over and the timer stays stopped.
    int skip();

    // A resize: the word on screen counts as shown, its pending
    // translation is dropped, and a new headword follows after 100 ms.
    // Returns that period, or 0 when the pass is over.
    int restart();

    int32_t listCount() const { return listCount_; }
    int32_t drillShown() const { return drillShown_; }
    int32_t drillRemaining() const { return pool_.remaining(); }
    bool translationPending() const { return translationPending_; }
    int stepInterval() const { return stepInterval_; }  // 0 once the pass has ended
    int lastSpeed() const { return lastSpeed_; }

   private:
    DrillPool pool_;
    Random random_;
    int32_t listCount_;
    int32_t drillShown_ = 0;
    int32_t translationsShown_ = 0;
    bool translationPending_ = false;
    int stepInterval_ = kRestartInterval;
    int lastSpeed_ = kStartSpeed;
};
