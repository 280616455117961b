// lookup.h — binary search of the sorted dictionary file.
#pragma once

#include <cstddef>
#include <cstdint>

// Look-ups as the user types take the first 37 characters of the text.
constexpr size_t kLookupKeyChars = 37;

// Index of a record whose headword compares equal to key (the first one the
// probe sequence meets), else the insertion point: the first record that
// sorts after key, or dictionaryCount. Searches records 0 .. dictionaryCount-1
// only; recordBuffer holds the last record probed.
int32_t findWord(const char* key);

// The same over the first `count` records only (at most dictionaryCount):
// the sorted part of a file to which records were appended since.
int32_t findWordAmong(const char* key, int32_t count);
