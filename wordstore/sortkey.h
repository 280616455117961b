// sortkey.h — sort keys of headwords: strings of bytes that, compared as
// unsigned values with a key that is the start of another sorting first,
// give the order of a comparison, so that a sort orders keys instead of
// asking the comparison again and again. These keys hold no 0 byte.
#pragma once

#include <cstddef>
#include <cstdint>

// What a key function returns when it could make no key.
constexpr size_t kNoKey = static_cast<size_t>(-1);

// The key of the A-Z folding comparison: the text with A-Z folded to a-z.
// Returns its length (the text's), or kNoKey when it would not fit
// `capacity`.
size_t foldedKey(const char* text, unsigned char* key, size_t capacity);

// The key of the sort-table comparison: the values of the text's bytes,
// those that map to 1 skipped, ended before a byte that maps to 0; kNoKey when
// it would not fit.
size_t mappedKey(const char* text, const unsigned char table[256], unsigned char* key,
                 size_t capacity);
