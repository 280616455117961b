// recorderwalk.cpp — the recorder's position, keys and stop decisions.
#include "recorderwalk.h"

#include <algorithm>
#include <cstdio>

#include "pronunciation.h"

const char* const kEndOfList = "*** END OF LIST ***";

namespace mci {
const char* const kOpenNew = "open new type waveaudio alias mysound";
const char* const kRecord = "record mysound";
const char* const kStop = "stop mysound";
const char* const kClose = "close mysound";

std::string saveCommand(const std::string& path) { return "save mysound \"" + path + "\""; }
}  // namespace mci

RecorderWalk::RecorderWalk(int32_t savedIndex, int32_t count)
    : index_(std::min(std::max(savedIndex, 0), std::max(count, 0))), count_(std::max(count, 0)) {}

RecorderStep RecorderWalk::space(const std::string& shownWord) {
    const bool wordShown = !atEnd() && !shownWord.empty();
    if (!recording_) {
        if (!wordShown) return RecorderStep::None;
        recording_ = true;
        return RecorderStep::Start;
    }
    recording_ = false;
    RecorderStep step = !wordShown                          ? RecorderStep::Discard
                        : namesPronunciationFile(shownWord) ? RecorderStep::Save
                                                            : RecorderStep::Refuse;
    next();
    return step;
}

void RecorderWalk::next() {
    if (index_ < count_) ++index_;
}

void RecorderWalk::previous() {
    if (index_ > 0) --index_;
}

RecorderStep RecorderWalk::close() {
    if (!recording_) return RecorderStep::None;
    recording_ = false;
    return RecorderStep::Discard;
}

std::string RecorderWalk::counterText() const {
    char text[48];
    std::snprintf(text, sizeof text, "Word %ld of %ld",
                  static_cast<long>(atEnd() ? count_ : index_ + 1), static_cast<long>(count_));
    return text;
}

std::string lastRecordKey(const std::string& languageName) { return "lastrecord_" + languageName; }

std::string cannotSaveText(const std::string& word) {
    return "Can't save the pronunciation of  " + word +
           "   \n\nA word containing \\, / or :, or the word .., names no file.";
}
