// collate.h — the platform's locale collation, behind a few calls.
//
// Windows: setlocale(LC_COLLATE, name) puts the locale in force; comparisons
// then call CompareStringA with the CRT's collation LCID and
// NORM_IGNORECASE | SORT_STRINGSORT (string sort keeps hyphen and apostrophe
// as symbols that sort before letters), and sort keys come from LCMapStringA
// with LCMAP_SORTKEY and the same flags. The native build has no Windows
// collation: setting a locale always fails there, and the word store falls
// back to its own A-Z folding comparison.
#pragma once

#include <cstddef>

// Sets the collation locale by name; false (and the previous locale stays in
// force) when the platform does not know it.
bool setCollationLocale(const char* name);

// Whether any collation locale has been put in force.
bool collationLocaleInForce();

// Locale-aware, case-insensitive string-sort comparison in the locale in
// force: -1, 0 or 1. A comparison the platform cannot make is decided by the
// A-Z folding comparison for that pair of texts, so that a sort always sees
// one consistent answer (never "greater" both ways).
int compareInLocale(const char* a, const char* b);

// The sort key of a text in the locale in force: bytes that, compared as
// unsigned values, are meant to order texts as compareInLocale does. Writes
// at most `capacity` bytes and returns the key's length (its final 0
// included), or 0 when no key could be made (no locale, too small a buffer,
// a platform failure). Callers must not assume the two orders agree: a sort
// by keys is checked with compareInLocale.
size_t sortKeyInLocale(const char* text, unsigned char* key, size_t capacity);

// For tests: replaces the platform's identifier of the locale in force, to
// see what happens when the platform rejects its own identifier.
void replaceCollationIdForTesting(unsigned long id);

// Forgets the locale in force (tools and tests start from "none").
void clearCollationLocale();
