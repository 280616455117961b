// randomwords.cpp — the count and the draw of Add random.
#include "randomwords.h"

#include <cstdlib>

#include "practicelists.h"
#include "wordstore.h"

int32_t parseRandomCount(const std::string& text) {
    // Nine characters hold at most nine digits: no overflow.
    const std::string head = text.substr(0, kRandomCountChars);
    return static_cast<int32_t>(std::strtol(head.c_str(), nullptr, 10));
}

int runtimeRandom15() { return std::rand() & 0x7FFF; }

int32_t drawRandomIndex(int32_t dictionaryCount, RandomSource next) {
    constexpr int32_t kOneDraw = 32768;
    if (dictionaryCount <= kOneDraw) return (next() & 0x7FFF) % dictionaryCount;
    const int32_t high = next() & 0x7FFF;
    const int32_t low = next() & 0x7FFF;
    return ((high << 15) | low) % dictionaryCount;
}

int32_t addRandomWords(int32_t n, bool deleteOld, RandomSource next) {
    if (deleteOld) removeAll();
    int32_t added = 0;
    if (wordStore.dictionaryCount < 1) return 0;
    for (int32_t i = 0; i < n; ++i)
        if (appendDictionaryRecord(drawRandomIndex(wordStore.dictionaryCount, next)) == 0) ++added;
    return added;
}
