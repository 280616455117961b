// recorderwalk.h — the recorder's walk through a dictionary, headword by
// headword: which word is shown, what Space, Enter and Backspace do, and
// what becomes of a recording when it stops.
#pragma once

#include <cstdint>
#include <string>

// What a key asks of the sound device.
enum class RecorderStep {
    None,     // nothing to do
    Start,    // open a new recording and record
    Save,     // stop, and keep the recording as the shown word's pronunciation
    Discard,  // stop, and keep nothing: no word is shown
    Refuse,   // stop, keep nothing, and say that the word names no file
};

class RecorderWalk {
   public:
    // Resumes at a saved index: one below 0 starts at the first word, one at
    // or past the end shows the end of the list (Backspace then goes back to
    // the last word).
    RecorderWalk(int32_t savedIndex, int32_t count);

    int32_t recordIndex() const { return index_; }
    bool atEnd() const { return index_ >= count_; }
    bool isRecording() const { return recording_; }

    // Space, with the headword now shown (empty when none is): starts a
    // recording, or stops the running one and moves on to the next word.
    // A recording is kept only under a word that is shown and names a file,
    // so past the end of the list Space starts nothing.
    RecorderStep space(const std::string& shownWord);

    // Enter: the next word; past the last one the end of the list, where
    // further Enters stay. A running recording goes on.
    void next();

    // Backspace: the previous word, never before the first. A running
    // recording goes on.
    void previous();

    // The window closes: a running recording is stopped and kept nowhere
    // (Discard), so no unfinished file is left.
    RecorderStep close();

    // "Word %d of %d": the word shown; at the end of the list the last word.
    std::string counterText() const;

   private:
    int32_t index_;
    int32_t count_;
    bool recording_ = false;
};

// Shown in place of a word past the last one.
extern const char* const kEndOfList;

// The section key that keeps a headword language's position.
std::string lastRecordKey(const std::string& languageName);

// The message for a word under which no recording can be saved.
std::string cannotSaveText(const std::string& word);

// The MCI command strings to the waveaudio device "mysound".
namespace mci {
extern const char* const kOpenNew;
extern const char* const kRecord;
extern const char* const kStop;
extern const char* const kClose;
// "save mysound "<path>"".
std::string saveCommand(const std::string& path);
}  // namespace mci
