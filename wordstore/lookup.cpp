// lookup.cpp — findWord: one seek and one 84-byte read per probe.
#include "lookup.h"

#include "collation.h"
#include "wordstore.h"

int32_t findWord(const char* key) { return findWordAmong(key, wordStore.dictionaryCount); }

int32_t findWordAmong(const char* key, int32_t count) {
    const int32_t n = count < wordStore.dictionaryCount ? count : wordStore.dictionaryCount;
    int32_t lo = 0, hi = n - 1, mid = 0;
    bool found = false;
    while (lo <= hi && !found) {
        mid = lo + (hi - lo) / 2;
        // A failed read leaves the buffer as it was; the probe goes on, and
        // the result stays within 0 .. n whatever the file holds.
        readDictionaryRecord(mid);
        int c = compareWords(wordStore.recordBuffer.headword, key);
        if (c == 0)
            found = true;
        else if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    int32_t result = (found || mid == lo) ? mid : mid + 1;
    return result > n ? n : result;
}
