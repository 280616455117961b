// randomwords.h — Add random: the number of words asked for and the draw of
// dictionary records, with replacement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The count box is read up to this many characters.
constexpr size_t kRandomCountChars = 9;

// The leading decimal number of the text's first nine characters (blanks and
// a sign before it allowed), 0 when it has none.
int32_t parseRandomCount(const std::string& text);

// Between 1 and the dictionary's record count.
inline bool randomCountAccepted(int32_t n, int32_t dictionaryCount) {
    return n >= 1 && n <= dictionaryCount;
}

// A generator of 15-bit values, 0 .. 32767.
using RandomSource = int (*)();

// The runtime's generator (seeded at start-up), cut to 15 bits.
int runtimeRandom15();

// A dictionary index drawn with the generator. Up to 32768 records one value
// modulo the count. Beyond that one 15-bit value would only ever reach the
// first 32768 words (the start of the alphabet), so two values make one of
// 30 bits, taken modulo the count. The count must be at least 1.
int32_t drawRandomIndex(int32_t dictionaryCount, RandomSource next);

// Empties the list first when deleteOld is set, then appends n dictionary
// records drawn at random (a word may come more than once). The number of
// records appended.
int32_t addRandomWords(int32_t n, bool deleteOld, RandomSource next);
