// wordorder.h — the three orders headwords are sorted in: A-Z folding, a
// sort table, and the locale's comparison.
//
// The program's compareWords chooses one for the current pair; the
// installer's word lists and settings file always use the locale's when one
// is in force, else A-Z folding (compareByLocale), never a sort table.
#pragma once

#include <cstddef>

// The sort-table comparison: bytes mapped through the table, those that map
// to 1 skipped, a byte that maps to 0 ending the text; -1, 0 or 1.
int compareBySortTable(const char* a, const char* b, const unsigned char table[256]);

// The locale comparison: the locale's case-insensitive string sort when a
// collation locale is in force, else A-Z folding; -1, 0 or 1.
int compareByLocale(const char* a, const char* b);

// One of the orders: its comparison and its sort keys (see sortkey.h).
struct WordOrder {
    using Compare = int (*)(const char* a, const char* b, const unsigned char* table);
    using MakeKey = size_t (*)(const char* text, const unsigned char* table, unsigned char* key,
                               size_t capacity);
    Compare compareWith;
    MakeKey keyWith;
    const unsigned char* table = nullptr;  // the sort table, for that order
    // A-Z folding and sort-table keys order texts exactly as the comparison
    // does; a locale's keys come from the platform and are only meant to.
    bool keysAreExact = true;

    // -1, 0 or 1.
    int compare(const char* a, const char* b) const { return compareWith(a, b, table); }
    // The key's length, or kNoKey when none could be made.
    size_t key(const char* text, unsigned char* out, size_t capacity) const {
        return keyWith(text, table, out, capacity);
    }
};

WordOrder foldingOrder();
WordOrder sortTableOrder(const unsigned char table[256]);
WordOrder localeOrder();  // the locale in force; see collate.h
// The installer's order, and the program's for a pair without a sort table:
// the locale's when one is in force, else A-Z folding.
WordOrder localeOrFoldingOrder();
