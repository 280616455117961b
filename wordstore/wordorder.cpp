// wordorder.cpp — the comparisons of the three orders and their sort keys.
#include "wordorder.h"

#include "collate.h"
#include "sortkey.h"
#include "textcase.h"

namespace {

// The next byte of a text mapped through a sort table: ignored characters
// (value 1) are skipped, a value 0 or the NUL ends the text (returns 0).
unsigned char nextMapped(const unsigned char*& p, const unsigned char table[256]) {
    while (*p) {
        unsigned char v = table[*p++];
        if (v != 1) return v;
    }
    return 0;
}

}  // namespace

int compareBySortTable(const char* a, const char* b, const unsigned char table[256]) {
    // Mapped on the fly rather than into buffers: nothing to allocate and no
    // length limit on either text.
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    for (;;) {
        unsigned char cx = nextMapped(x, table), cy = nextMapped(y, table);
        if (cx != cy) return cx < cy ? -1 : 1;
        if (cx == 0) return 0;
    }
}

int compareByLocale(const char* a, const char* b) {
    return collationLocaleInForce() ? compareInLocale(a, b) : compareFoldingAZ(a, b);
}

WordOrder foldingOrder() {
    return {
        [](const char* a, const char* b, const unsigned char*) { return compareFoldingAZ(a, b); },
        [](const char* text, const unsigned char*, unsigned char* key, size_t capacity) {
            return foldedKey(text, key, capacity);
        }};
}

WordOrder sortTableOrder(const unsigned char table[256]) {
    return {compareBySortTable, mappedKey, table};
}

WordOrder localeOrder() {
    return {
        [](const char* a, const char* b, const unsigned char*) { return compareInLocale(a, b); },
        [](const char* text, const unsigned char*, unsigned char* key, size_t capacity) {
            size_t made = sortKeyInLocale(text, key, capacity);
            return made > 0 ? made : kNoKey;
        },
        nullptr, false};
}

WordOrder localeOrFoldingOrder() {
    return collationLocaleInForce() ? localeOrder() : foldingOrder();
}
