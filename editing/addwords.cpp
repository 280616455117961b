// addwords.cpp — look-ups in the sorted part and storing confirmed entries.
#include "addwords.h"

#include <cstdio>

#include "catalogue.h"
#include "files.h"
#include "languagepair.h"
#include "lookup.h"
#include "textcase.h"
#include "wordstore.h"

AddWordsSession addWords;

void beginAddWords() {
    addWords = AddWordsSession{};
    addWords.sortedCount = wordStore.dictionaryCount;
    if (const LanguagePair* pair = currentPair()) addWords.reversePair = otherDirectionOf(*pair);
}

HeadwordMatch lookUpHeadword(const std::string& text) {
    HeadwordMatch match;
    match.index = findWordAmong(text.c_str(), addWords.sortedCount);
    // An insertion point after the sorted part is no record of it: what
    // stands there was appended while the window is open and is not looked
    // at, so a new headword confirmed twice is appended twice.
    if (match.index >= addWords.sortedCount || readDictionaryRecord(match.index) != 0) return match;
    const WordRecord& found = wordStore.recordBuffer;
    match.exists = equalsIgnoringCase(headwordOf(found), text);
    if (match.exists) match.translation = translationOf(found);
    return match;
}

std::string newEntriesPath() {
    const LanguagePair* pair = currentPair();
    return pair ? std::string("new\\") + pair->name + "_" + pair->toName + ".wb" : std::string();
}

namespace {

void logNewEntry(const WordRecord& record) {
    FILE* log = openFile(newEntriesPath(), "ab");
    if (!log) return;  // only the log line is lost
    std::fwrite(&record, sizeof record, 1, log);
    std::fclose(log);
}

}  // namespace

StoredAs storeEntry(const std::string& headword, const std::string& translation) {
    const HeadwordMatch match = lookUpHeadword(headword);
    WordRecord& record = wordStore.recordBuffer;
    copyField(record.headword, sizeof record.headword, headword);
    copyField(record.translation, sizeof record.translation, translation);
    if (match.exists) {
        // The headword sorts where it stood: the file stays sorted.
        return writeDictionaryRecord(match.index) == 0 ? StoredAs::Changed : StoredAs::NotWritten;
    }
    record.deleted = 0;  // whatever record the look-up read last
    if (writeDictionaryRecord(wordStore.dictionaryCount) != 0) return StoredAs::NotWritten;
    wordStore.dictionaryCount += 1;
    logNewEntry(record);
    return StoredAs::Appended;
}
