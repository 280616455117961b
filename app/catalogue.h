// catalogue.h — the language pairs of the settings file, and the choice of
// the pair in use.
//
// Each item of the [language] section ("name,locale,charset,long name") gives
// two entries: the forward direction (that language to the UI language) and
// the reverse one. The catalogue holds the forward entries in file order,
// then the reverse entries in the same order.
#pragma once

#include <string>

#include "languagepair.h"

// The settings file of the UI language (offset 53, "dict.ini").
std::string settingsFileName();

// The most [language] items the catalogue takes. Entry k of the Language
// menu is command 200 + k and the Lists menu begins at 400, so the catalogue
// holds at most 200 entries, two per item. Items beyond are left out (the
// file is read on to its end all the same, in time linear in its size) and
// catalogueItemsLeftOut() says so, for start-up to tell the user.
constexpr int kMaxCatalogueItems = 100;

// Reads [language] and builds the catalogue, leaving the first reverse entry
// current. -1 when the file cannot be opened or read, or holds no item.
int loadCatalogue();

// Whether the last loadCatalogue met more items than kMaxCatalogueItems.
bool catalogueItemsLeftOut();

// Reads [selected] and makes the entry it names current (ignoring case);
// an unknown name changes nothing. -1 when the file cannot be read.
int loadSelection();

// The caller has made the chosen entry current: puts its collation in force,
// records it in [selected] (the file rewritten atomically) and reopens the
// word files. -1 when the choice could not be recorded; the word files follow
// the pair all the same (check wordStore.dictionaryFile for the fatal case).
int selectPair();

// Frees the entries (start-up keeps them for the run; tests and tools do not).
void clearCatalogue();

// Entry k of the catalogue (0-based), or null.
LanguagePair* catalogueEntry(int k);

// The other direction of a pair: the first entry whose name is the pair's
// toName and whose toName is its name (exact, case significant); null when
// the catalogue holds none.
LanguagePair* otherDirectionOf(const LanguagePair& pair);

// Parses one [language] item into a forward entry. False when the item breaks
// the capacities of an entry (a name under three characters, a locale over 19
// or a long name over 95 characters): such an item is refused.
bool parseLanguageItem(const std::string& item, const std::string& uiName, int uiCharset,
                       LanguagePair& forward);

// The reverse direction of a forward entry.
LanguagePair reverseOf(const LanguagePair& forward, const std::string& uiName, int uiCharset,
                       const std::string& uiLocale);

// Rewrites the settings text so that the line after the [selected] header
// names dictFile; every other line stays as it was, line ends included.
// header is compared over headerChars characters, ignoring case.
std::string withSelectedLine(const std::string& settings, const std::string& header,
                             size_t headerChars, const std::string& dictFile);
