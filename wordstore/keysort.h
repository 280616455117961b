// keysort.h — sorting headwords by their sort keys, made once per headword.
//
// Radix sorts on the key bytes, which compare nothing: first by the first
// eight bytes of every key at once (least significant bits first), then
// each run of keys that agree in those, byte by byte (most significant
// first). Only groups of a handful are put in order by comparing keys, so
// the sort makes few comparisons (each counted) and asks the order for
// nothing but one key per word. Equal keys keep the words' original order.
#pragma once

#include <cstdint>
#include <vector>

#include "headwordsort.h"
#include "wordorder.h"

// The indices of `words` in the order of their keys, equal keys by index.
// `exact` tells whether that is the order's own order: false for a locale's
// keys, or when some word got no key (it is sorted as if its key were empty).
std::vector<uint32_t> sortByKeys(const std::vector<const char*>& words, const WordOrder& order,
                                 ComparisonCount& count, bool& exact);
