// lookup.h — binary search of the sorted dictionary file.
#pragma once

#include <cstdint>

// Index of a record whose headword compares equal to key (the first one the
// probe sequence meets), else the insertion point: the first record that
// sorts after key, or dictionaryCount. Searches records 0 .. dictionaryCount-1
// only; recordBuffer holds the last record probed.
int32_t findWord(const char* key);
