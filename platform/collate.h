// collate.h — the platform's locale collation, behind two calls.
//
// Windows: setlocale(LC_COLLATE, name) puts the locale in force; comparisons
// then call CompareStringA with the CRT's collation LCID and
// NORM_IGNORECASE | SORT_STRINGSORT (string sort keeps hyphen and apostrophe
// as symbols that sort before letters). The native build has no Windows
// collation: setting a locale always fails there, and the word store falls
// back to its own A-Z folding comparison.
#pragma once

// Sets the collation locale by name; false (and the previous locale stays in
// force) when the platform does not know it.
bool setCollationLocale(const char* name);

// Whether any collation locale has been put in force.
bool collationLocaleInForce();

// Locale-aware, case-insensitive string-sort comparison in the locale in
// force: -1, 0 or 1; INT_MAX when the platform comparison fails.
int compareInLocale(const char* a, const char* b);

// Forgets the locale in force (tools and tests start from "none").
void clearCollationLocale();
