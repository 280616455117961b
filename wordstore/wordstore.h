// wordstore.h — the two open word files of the program and the one shared
// record buffer through which every record is read and written.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "wordrecord.h"

struct WordStore {
    FILE* dictionaryFile = nullptr;    // the current direction's word file, "r+b"
    FILE* practiceListFile = nullptr;  // the current practice list's file for that direction
    int32_t dictionaryCount = 0;
    int32_t listCount = 0;
    WordRecord recordBuffer{};       // every read fills it, every write takes it
    char currentListName[150] = {};  // a folder of the list root; empty when none
};

extern WordStore wordStore;

struct LanguagePair;

// Paths built from the current pair and the UI strings.
std::string dictionaryPath();  // "language\" + the pair's dictionary file
std::string dictionaryPathOf(const LanguagePair& pair);

// Whether a pair's dictionary file can be opened for update: asked before a
// pair is made current, so that a missing file never becomes the choice.
bool dictionaryOpens(const LanguagePair& pair);
std::string practiceListPath();  // "list\" + current list + "\" + the pair's list file

// Opens the current pair's dictionary file for update ("r+b": never created,
// never truncated), then the practice list. Returns -1 when the dictionary
// cannot be opened: the program then reports dictionaryPath() and ends.
int openDictionary();
int openPracticeList();
void countRecords();
void countListRecords();
int readDictionaryRecord(int32_t index);
int readListRecord(int32_t index);
int writeDictionaryRecord(int32_t index);
int writeListRecord(int32_t index);
void closeWordFiles();
void closeListFile();

// Record count of an open word file: its size / 84, a partial tail ignored.
// The file is left positioned at its start.
int32_t countFileRecords(FILE* file);

// One record by index from any open word file: one seek, one 84-byte read or
// write. -1 on a failed seek or a short transfer. A read ends any field that
// has no NUL within it (see terminateFields); the raw read leaves the bytes
// as they are on disk, for checking a file.
int readRawRecordAt(FILE* file, int32_t index, WordRecord& record);
int readRecordAt(FILE* file, int32_t index, WordRecord& record);
int writeRecordAt(FILE* file, int32_t index, const WordRecord& record);
