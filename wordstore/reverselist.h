// reverselist.h — building a pair's reverse word list from its forward list.
//
// Every translation piece of every FROM record becomes a headword of the TO
// list whose translation is the FROM headword; the pieces are sorted with
// the installer's own case-insensitive comparison (the locale's string sort
// when a collation locale is in force, else A-Z folding; never compareWords
// or a sort table) and byte-identical headwords are joined into one record.
// The core paints nothing: progress goes to a callback, and a failure comes
// back as one of the fatal texts for the installer's error report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ReverseStep { ReadingFrom, WritingTemp, ReadingTo, SortingTo, WritingTo };

// "Reading FROM wordlist", "Writing TEMP wordlist", "Reading TO wordlist",
// "Sorting TO wordlist", "Writing TO wordlist".
const char* reverseStepName(ReverseStep step);

// The fatal texts.
namespace reverse_error {
constexpr const char* kInputFileMissing = "Input file missing";
constexpr const char* kCantCreateTemp = "Can't create tempfile";
constexpr const char* kWriteErrorTemp = "Write error tempfile";
constexpr const char* kCantOpenTemp = "Can't open tempfile";
constexpr const char* kCantCreateOutput = "Can't create output file";
constexpr const char* kWriteErrorOutput = "Write error output file";
constexpr const char* kOutOfMemory = "Out of memory reading wordlist";
}  // namespace reverse_error

class ReverseListProgress {
   public:
    virtual ~ReverseListProgress() = default;
    virtual void bar(int /*percent: 0, 10, 25, 50, 75, 100*/) {}
    virtual void stepStarted(ReverseStep) {}
    virtual void stepDone() {}
    // The record index, every 100 records read, written to the temporary
    // list or walked while writing the TO list.
    virtual void recordCounter(int32_t /*index*/) {}
    // The comparison count, every 1000 comparisons while sorting.
    virtual void comparisonCounter(int64_t /*count*/) {}

    // Comparisons so far; runs on over every list built with this object.
    int64_t comparisons = 0;
};

struct ReverseListFiles {
    std::string from;  // the forward list, read whole
    std::string to;    // the reverse list, created or replaced
    std::string temp;  // the intermediate list, beside the TO list ("language\temp.wb")
};

struct ReverseListResult {
    int status = 0;     // 0, or -1 with error set
    std::string error;  // one of the texts above
    int32_t fromRecords = 0;
    int32_t pieces = 0;     // records of the intermediate list
    int32_t toRecords = 0;  // records written to the TO list
};

// Runs the whole build. On success the TO list has been replaced in one
// atomic step and the intermediate list is gone; on failure the TO list is
// as it was and no intermediate list is left behind.
ReverseListResult buildReverseList(const ReverseListFiles& files,
                                   ReverseListProgress* progress = nullptr);
