// drill.cpp — the drill's periods, its draw and its step cycle.
#include "drill.h"

#include <cstddef>

int stepPeriod(int speed) { return 10000 - (speed - 1) * 950; }

DrillPool::DrillPool(int32_t count) : remaining_(count > 0 ? count : 0) {
    pool_.resize(static_cast<size_t>(remaining_));
    for (int32_t i = 0; i < remaining_; ++i) pool_[static_cast<size_t>(i)] = i;
}

int32_t DrillPool::draw(unsigned r) {
    if (remaining_ <= 0) return -1;
    const size_t at = r % static_cast<unsigned>(remaining_);
    const int32_t record = pool_[at];
    pool_[at] = pool_[static_cast<size_t>(remaining_ - 1)];
    --remaining_;
    return record;
}

Drill::Drill(int32_t listCount, Random random)
    : pool_(listCount), random_(random), listCount_(listCount > 0 ? listCount : 0) {}

DrillStep Drill::onTimer(int sliderPosition) {
    DrillStep step;
    if (stepInterval_ == 0) return step;  // the pass is over: a late message changes nothing
    if (sliderPosition != lastSpeed_) {
        lastSpeed_ = sliderPosition;
        stepInterval_ = step.restartPeriod = stepPeriod(sliderPosition);
    }
    if (stepInterval_ == kSkipInterval) stepInterval_ = step.restartPeriod = stepPeriod(lastSpeed_);

    translationPending_ = !translationPending_;
    if (!translationPending_) {
        step.show = DrillStep::Show::Translation;
        step.progress = ++translationsShown_;
        return step;
    }
    ++drillShown_;
    if (drillShown_ > listCount_) {
        step.show = DrillStep::Show::EndOfPass;
        step.restartPeriod = 0;
        stepInterval_ = 0;
        return step;
    }
    if (stepInterval_ == kRestartInterval)
        stepInterval_ = step.restartPeriod = stepPeriod(lastSpeed_);
    step.show = DrillStep::Show::Headword;
    step.record = pool_.draw(random_());
    return step;
}

int Drill::skip() {
    if (stepInterval_ == 0) return 0;
    return stepInterval_ = kSkipInterval;
}

int Drill::restart() {
    if (stepInterval_ == 0) return 0;
    translationPending_ = false;
    return stepInterval_ = kRestartInterval;
}
