// addwords.h — the decisions of the add-words window over the word store:
// what a typed headword finds, and how a confirmed entry is stored in the
// current dictionary (changed in place, or appended and logged).
//
// Only the sorted part of the file is searched: the records appended while
// the window is open lie after it, unsorted, until the re-sort at closing.
#pragma once

#include <cstdint>
#include <string>

struct LanguagePair;

// The state of the one add-words window, from its creation to its closing.
struct AddWordsSession {
    int32_t sortedCount = 0;              // dictionaryCount when the window was created
    LanguagePair* reversePair = nullptr;  // the other direction; none in a damaged catalogue
    int32_t reverseSortedCount = 0;       // the reverse dictionary's sorted part
    bool reverseCountTaken = false;       // reverseSortedCount is taken at the first merge
    int reverseDirty = 0;                 // records were appended to the reverse dictionary
    int32_t newEntryCount = 0;            // entries confirmed, new and changed alike
};

extern AddWordsSession addWords;

// A fresh session for the current pair: the sorted part is the whole file,
// the reverse direction is looked up in the catalogue.
void beginAddWords();

// A headword may not hold a comma: commas separate translations in the
// reverse direction.
inline bool hasComma(const std::string& text) { return text.find(',') != std::string::npos; }

struct HeadwordMatch {
    bool exists = false;
    int32_t index = 0;        // the record found (when it exists)
    std::string translation;  // its translation
};

// Looks the text up in the sorted part and reads the record found: it exists
// when its headword equals the text ignoring the case of A-Z. The record
// stays in the shared buffer.
HeadwordMatch lookUpHeadword(const std::string& text);

// "new\<name>_<toName>.wb": the log of the headwords added to the current pair.
std::string newEntriesPath();

enum class StoredAs { Changed, Appended, NotWritten };

// Stores a confirmed entry (the headword trimmed, the translation normalised
// and at most 50 characters). An existing headword gets the translation in
// place and keeps its deleted mark; a new one is appended, never marked, and
// the same 84 bytes are added to the new-entries file (skipped when that
// cannot be opened). The record is built in the shared buffer as the look-up
// left it, the way every writer of the program fills it.
StoredAs storeEntry(const std::string& headword, const std::string& translation);
