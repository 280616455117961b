// reversemerge.h — carrying a confirmed entry into the dictionary of the
// other direction: each translation becomes, or extends, a reverse entry
// that points back to the headword.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct LanguagePair;

// Makes the pair current for a moment without recording it in the settings
// file: its collation (the locale set without a message, the name checked,
// its sort table loaded) and its word files. -1 when its dictionary file
// cannot be opened.
int usePairTemporarily(LanguagePair* pair);

// The translations of a normalised translation that become reverse
// headwords: each piece trimmed; empty ones and those over 30 characters
// (too long for a headword) are left out.
std::vector<std::string> reverseHeadwordsOf(const std::string& translation);

// The reverse entry's translation with ", " + headword added, or nothing when
// that would pass 50 characters or one of its pieces (every one, blank ones
// included) already is the headword, ignoring the case of A-Z.
std::optional<std::string> extendedTranslation(const std::string& existing,
                                               const std::string& headword);

// Merges the entry into the reverse dictionary (nothing when the catalogue
// holds no reverse direction). The pair current before is current again
// afterwards with its files open. -1 when a dictionary file could not be
// opened on the way: *failedPath names it, and the pair current before is
// current again if its file could be reopened (wordStore.dictionaryFile).
int mergeIntoReverse(const std::string& headword, const std::string& translation,
                     std::string* failedPath);
