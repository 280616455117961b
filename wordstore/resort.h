// resort.h — re-sorting the open dictionary file: the live records are read
// into memory, sorted with compareWords, written to the temporary file and
// put in place of the dictionary in one atomic step.
//
// The core draws nothing. It reports what it is doing through a progress
// callback; the sorting window turns that into its counter line and the
// next frame of its animation.
#pragma once

#include <cstdint>

// UI-string offsets of the counter line's labels.
enum ResortLabel : int {
    kResortWritingLabel = 61,  // "Writing"
    kResortReadingLabel = 62,  // "Reading"
    kResortSortingLabel = 63,  // "Sorting"
};

class ResortProgress {
   public:
    virtual ~ResortProgress() = default;
    // Called with the label's UI-string offset and a count: every 1000
    // records read (0, 1000, ...), every 2000 comparisons (0, 2000, ...),
    // every 1000 records written. Each call is one step of the animation.
    virtual void show(int labelOffset, int32_t count) = 0;
};

// How the re-sort puts the collation in force before sorting.
enum class ResortCollation {
    CurrentPair,  // the pair's locale and sort table, as on every re-sort of the program
    AsInForce     // whatever the caller has put in force (the dictionary tool)
};

// Why a re-sort failed (for callers that say more than "Sort failed").
enum class ResortFailure { None, NotOpen, Memory, Read, CreateTemp, Write, Replace, Reopen };

// Re-sorts the current pair's open dictionary file. 0 on success: the file
// holds the live records sorted by headword, dictionaryCount is their number
// and the word files are open again. -1 on failure; unless the failure is
// Reopen, the dictionary file is then unchanged, open, and dictionaryCount
// counts it as before.
int resortDictionary(ResortProgress* progress = nullptr,
                     ResortCollation collation = ResortCollation::CurrentPair,
                     ResortFailure* failure = nullptr);
