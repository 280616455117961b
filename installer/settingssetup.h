// settingssetup.h — how the installer enters language pairs into the
// dictionary program's settings file, and reads language.cf.
//
// The text functions work on whole files held in memory, one item per line
// ("\n" between lines); the file functions read, transform and put the new
// file in place in one atomic step. Lines are written with CR LF, as Windows
// text files are.
#pragma once

#include <string>
#include <vector>

// One pair of language.cf: its [language] item and its two word lists.
struct LanguageEntry {
    std::string name, locale, charset, longName;
    std::string fromList;  // the forward dictionary, in the word-list folder
    std::string toList;    // the reverse list the installer builds

    std::string item() const { return name + "," + locale + "," + charset + "," + longName; }
};

// Parses language.cf: entries of three lines, comments and empty lines
// skipped. An entry with fewer than four fields, or a file ending inside an
// entry, has no meaning: false, with the reason in error.
bool parseLanguageList(const std::string& text, std::vector<LanguageEntry>& entries,
                       std::string& error);

// The first settings file, naming `selected` as the pair to open first.
std::string initialSettings(const std::string& settingsFileName, const std::string& selected);

// The settings text without the items whose key equals longName (ignoring case).
std::string withoutPairItems(const std::string& settings, const std::string& longName);

// The settings text with the item added at the end of the [language] section.
std::string withPairItem(const std::string& settings, const std::string& item);

// The number of items in [language] sections.
int countPairItemsIn(const std::string& settings);

// The settings text with the [language] items sorted by key; what followed the
// section is replaced by the end comment. `less` compares two keys.
using KeyLess = bool (*)(const std::string& a, const std::string& b);
std::string withSortedPairItems(const std::string& settings, KeyLess less);

// The key of an item: its fourth field, or its first when it has fewer.
std::string pairItemKey(const std::string& item);
