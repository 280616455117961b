// wordstore.cpp — record-level access to the dictionary and practice-list files.
#include "wordstore.h"

#include "files.h"
#include "languagepair.h"
#include "listfolders.h"
#include "uistrings.h"

WordStore wordStore;

namespace {

void closeFile(FILE*& file) {
    if (file) std::fclose(file);
    file = nullptr;
}

}  // namespace

int32_t countFileRecords(FILE* file) {
    if (!file) return 0;
    int64_t records = fileSize(file) / kRecordSize;
    return records > INT32_MAX ? INT32_MAX : static_cast<int32_t>(records);
}

int readRawRecordAt(FILE* file, int32_t index, WordRecord& record) {
    if (!file || index < 0) return -1;
    // Every write is flushed at once (writeRecordAt), so a positioned read
    // sees what was written.
    return readFileAt(file, int64_t(index) * kRecordSize, &record, sizeof record) ? 0 : -1;
}

int readRecordAt(FILE* file, int32_t index, WordRecord& record) {
    if (readRawRecordAt(file, index, record) != 0) return -1;
    terminateFields(record);  // every reader may then treat the fields as C strings
    return 0;
}

int writeRecordAt(FILE* file, int32_t index, const WordRecord& record) {
    if (!file || index < 0) return -1;
    if (!seekFile(file, int64_t(index) * kRecordSize)) return -1;
    // Flushed at once: a word typed in must survive a crash of the program.
    if (std::fwrite(&record, sizeof record, 1, file) != 1) return -1;
    return std::fflush(file) == 0 ? 0 : -1;
}

std::string dictionaryPathOf(const LanguagePair& pair) {
    return uiString(ui::kWordListFolder) + dictionaryFileName(pair);
}

std::string dictionaryPath() {
    const LanguagePair* pair = currentPair();
    return pair ? dictionaryPathOf(*pair) : uiString(ui::kWordListFolder);
}

bool dictionaryOpens(const LanguagePair& pair) {
    FILE* file = openFile(dictionaryPathOf(pair), "r+b");
    if (!file) return false;
    std::fclose(file);
    return true;
}

std::string practiceListPath() {
    const LanguagePair* pair = currentPair();
    return uiString(ui::kListRootFolder) + wordStore.currentListName + "\\" +
           (pair ? listFileName(*pair) : std::string());
}

int openDictionary() {
    closeFile(wordStore.dictionaryFile);
    wordStore.dictionaryFile = openFile(dictionaryPath(), "r+b");
    if (!wordStore.dictionaryFile) return -1;
    openPracticeList();
    return 0;
}

int openPracticeList() {
    closeFile(wordStore.practiceListFile);
    if (wordStore.currentListName[0] == '\0' && countListFolders() > 0) chooseFirstList();
    if (wordStore.currentListName[0] == '\0') return 0;
    std::string path = practiceListPath();
    wordStore.practiceListFile = openFile(path, "r+b");
    if (!wordStore.practiceListFile) wordStore.practiceListFile = openFile(path, "w+b");
    return wordStore.practiceListFile ? 0 : -1;
}

void countRecords() {
    wordStore.dictionaryCount = countFileRecords(wordStore.dictionaryFile);
    countListRecords();
}

void countListRecords() {
    wordStore.listCount =
        wordStore.currentListName[0] ? countFileRecords(wordStore.practiceListFile) : 0;
}

int readDictionaryRecord(int32_t index) {
    if (index > wordStore.dictionaryCount) return -1;
    return readRecordAt(wordStore.dictionaryFile, index, wordStore.recordBuffer);
}

int readListRecord(int32_t index) {
    if (index > wordStore.listCount) return -1;
    return readRecordAt(wordStore.practiceListFile, index, wordStore.recordBuffer);
}

// Writing at the count appends. Writing further out would leave a gap of
// zero-filled records that read as live, empty words, so it is refused.
int writeDictionaryRecord(int32_t index) {
    if (index > wordStore.dictionaryCount) return -1;
    return writeRecordAt(wordStore.dictionaryFile, index, wordStore.recordBuffer);
}

int writeListRecord(int32_t index) {
    if (index > wordStore.listCount) return -1;
    return writeRecordAt(wordStore.practiceListFile, index, wordStore.recordBuffer);
}

void closeWordFiles() {
    closeFile(wordStore.dictionaryFile);
    closeListFile();
}

void closeListFile() { closeFile(wordStore.practiceListFile); }
