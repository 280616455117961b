// sortkey.h — an 8-byte prefix of a headword's comparison bytes, so that a
// sort decides most comparisons on one integer and touches the record
// itself only when two prefixes are equal.
//
// A prefix holds the first eight bytes the comparison would look at, most
// significant first, padded with zeros after the end of the text. Two texts
// whose prefixes differ compare in the order of their prefixes; two equal
// prefixes whose last byte is 0 belong to texts that compare equal.
#pragma once

#include <cstdint>

// For the A-Z folding comparison (unsigned bytes, A-Z folded to a-z).
uint64_t foldedPrefix(const char* text);

// For the sort-table comparison: bytes mapped through the table, those that
// map to 1 skipped, the text ended by a byte that maps to 0.
uint64_t mappedPrefix(const char* text, const unsigned char table[256]);

// Whether two equal prefixes already decide that their texts are equal.
inline bool prefixHoldsWholeText(uint64_t prefix) { return (prefix & 0xFF) == 0; }
