// collation.h — the order of headwords: a pair's locale or its sort table.
#pragma once

#include <string>

#include "wordorder.h"

struct LanguagePair;

// The in-memory sort table of the current pair: byte k is the comparison
// value of character k (1 = ignored, 0 = the text ends here).
struct Collation {
    unsigned char sortTable[256] = {};
};

extern Collation collation;

// Negative, 0 or positive: the sort-table comparison when the current pair
// has a sort table, else the locale comparison (A-Z folding when no locale
// is in force).
int compareWords(const char* a, const char* b);

// The order compareWords follows for the current pair: its sort table when
// it has one, else the locale (A-Z folding when no locale is in force).
WordOrder currentWordOrder();

// When the collation is put in force; each occasion has its own order of
// steps and its own messages.
enum class CollationOccasion {
    StartUp,        // set locale (warning, no owner), check name, load table
    PairChange,     // load table, set locale (warning owned by the main window), check name
    Resort,         // set locale silently, check name, load table
    OtherDirection  // set locale of that pair silently, check name
};

// Puts the collation of pair (the current pair when null) in force.
void applyCollation(CollationOccasion occasion, const LanguagePair* pair = nullptr);

// Index of the name's language in the table of 70 language names (-1 when
// absent), and its Windows primary language id.
int findLanguageName(const std::string& localeName);
int languageIdOf(int index);

// Warns "Unknown locale : %s" when the name is not a known language.
// Returns whether it was known.
bool checkLocaleName(const char* localeName);

// Reads tables\<name>.stb of the current pair, when it has one, into the
// sort table; warns "Can't open sorttable" when it cannot be opened.
void loadSortTable(const LanguagePair* pair = nullptr);

std::string sortTablePath(const LanguagePair& pair);
