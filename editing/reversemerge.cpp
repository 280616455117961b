// reversemerge.cpp — the reverse direction's side of every confirmed entry.
#include "reversemerge.h"

#include "addwords.h"
#include "collation.h"
#include "languagepair.h"
#include "lookup.h"
#include "textcase.h"
#include "translation.h"
#include "wordstore.h"

// The sort table is loaded with the rest of the collation: a look-up in the
// other direction must follow that direction's order, and the table in
// memory is the one of the pair in force before.
int usePairTemporarily(LanguagePair* pair) {
    catalogue.currentPair = pair;
    applyCollation(CollationOccasion::OtherDirection, pair);
    loadSortTable(pair);
    closeWordFiles();
    if (openDictionary() != 0) return -1;
    countRecords();
    return 0;
}

std::vector<std::string> reverseHeadwordsOf(const std::string& translation) {
    std::vector<std::string> headwords;
    for (std::string& piece : trimmedPieces(translation))
        if (piece.size() <= static_cast<size_t>(kHeadwordChars)) headwords.push_back(piece);
    return headwords;
}

std::optional<std::string> extendedTranslation(const std::string& existing,
                                               const std::string& headword) {
    if (existing.size() + headword.size() + 2 > static_cast<size_t>(kTranslationChars))
        return std::nullopt;
    // Every piece counts, an empty one between two commas too: the headword
    // may stand after it.
    size_t start = 0;
    for (;;) {
        size_t comma = existing.find(',', start);
        std::string piece =
            existing.substr(start, comma == std::string::npos ? comma : comma - start);
        if (equalsIgnoringCase(trimBlanks(piece), headword)) return std::nullopt;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return existing + ", " + headword;
}

namespace {

// One translation of the entry: a new reverse record pointing back to the
// headword, or the headword added to the reverse entry that exists.
void mergePiece(const std::string& reverseHeadword, const std::string& headword) {
    const int32_t count = addWords.reverseSortedCount;
    const int32_t index = findWordAmong(reverseHeadword.c_str(), count);
    WordRecord& record = wordStore.recordBuffer;
    // Records appended by earlier merges lie after the sorted part and are
    // never matched: two headwords sharing a new translation give two records.
    bool exists = index < count && readDictionaryRecord(index) == 0 &&
                  equalsIgnoringCase(headwordOf(record), reverseHeadword);
    if (!exists) {
        copyField(record.headword, sizeof record.headword, reverseHeadword);
        copyField(record.translation, sizeof record.translation, headword);
        record.deleted = 0;
        if (writeDictionaryRecord(wordStore.dictionaryCount) == 0) {
            wordStore.dictionaryCount += 1;
            addWords.reverseDirty = 1;
        }
        return;
    }
    // Its deleted mark stays as it is.
    if (auto extended = extendedTranslation(translationOf(record), headword)) {
        copyField(record.translation, sizeof record.translation, *extended);
        writeDictionaryRecord(index);
    }
}

}  // namespace

int mergeIntoReverse(const std::string& headword, const std::string& translation,
                     std::string* failedPath) {
    LanguagePair* before = currentPair();
    if (!addWords.reversePair || !before) return 0;
    if (usePairTemporarily(addWords.reversePair) != 0) {
        if (failedPath) *failedPath = dictionaryPath();
        usePairTemporarily(before);
        return -1;
    }
    // Taken once: an empty reverse dictionary has a sorted part of 0 records
    // for the whole session, so its appended records are never searched.
    if (!addWords.reverseCountTaken) {
        addWords.reverseSortedCount = wordStore.dictionaryCount;
        addWords.reverseCountTaken = true;
    }
    for (const std::string& piece : reverseHeadwordsOf(translation)) mergePiece(piece, headword);
    if (usePairTemporarily(before) != 0) {
        if (failedPath) *failedPath = dictionaryPath();
        return -1;
    }
    return 0;
}
