// printtext.h — the practice list as it goes to the printer: the lines of
// the print file (a heading with the two language names, an empty line,
// then headword - translation per record), the document text made from
// them, and the character formats by range that give each column its
// language's character set and make the heading bold.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "wordrecord.h"

struct LanguagePair;

// The rich-text document takes at most this many characters; a longer list
// is cut there, and the program's own layout cuts it at the same place.
constexpr int32_t kPrintTextLimit = 0xFFFFF;

// Columns of the print file: a headword padded to 31, then "   -   ", so a
// translation starts 38 characters after the line start.
constexpr int kPrintFirstColumn = 31;
constexpr int kPrintSecondColumn = 38;

// The heading: the pair's name padded to 31, 7 spaces, its to-name, a line
// end and an empty line. Line ends are "\n" (the file is written in text
// mode, which makes them CR LF).
std::string printHeadingLine(const std::string& name, const std::string& toName);

// One record: the headword padded to 31, "   -   ", the translation.
std::string printRecordLine(const WordRecord& record);

// What is printed: the two names and every list record in file order,
// marked ones included (a mark set in the editor is not applied yet).
struct PrintList {
    std::string name, toName;
    int headwordCharset = 0, translationCharset = 0;
    std::vector<WordRecord> records;
};

// Reads every record of the current practice list through the word store.
PrintList readPrintList(const LanguagePair& pair);

// The print file's contents, with "\n" line ends.
std::string printFileText(const PrintList& list);

// Writes the print file in text mode (CR LF line ends on Windows). False
// when it cannot be written whole: whatever part of it was made is removed,
// so no stale print file stays behind, and the caller prints from memory.
bool writePrintFile(const std::string& path, const std::string& fileText);

// The document's text: the print file with CR LF line ends (a line end
// counts as two characters), cut at kPrintTextLimit.
std::string printDocumentText(const std::string& fileText);

struct PrintRange {
    int32_t start, end;  // character positions in the document, end excluded
    int charset;
    bool bold;
};

// The format every character has that no range covers: the headword's
// character set, not bold.
PrintRange defaultPrintFormat(const PrintList& list);

// The ranges in document order: the heading's two names bold, each in its
// language's character set, then per record the 38 characters of the first
// column in the headword's character set and the translation in its own.
// `progress` is told the record number before records 0, 10, 20, ...
// Positions follow the lines as they are written, so a name longer than
// its 31 places still gets exactly its own characters.
std::vector<PrintRange> printTextRanges(const PrintList& list,
                                        const std::function<void(int32_t)>& progress = {});
