// wbtool_import.h — a tab-separated text file turned into word records.
#pragma once

#include <string>
#include <vector>

#include "wordrecord.h"

struct ImportError {
    int line = 0;         // 1-based physical line; 0 when there is no error
    std::string message;  // what is wrong with that line
};

// Parses UTF-8 text of "headword<TAB>translation" lines (CRLF or LF, a
// byte-order mark at the start ignored, empty lines skipped; the first tab
// separates the fields) into records of the code page, all 84 bytes zeroed
// first, in input order. Stops at the first bad line: no tab, malformed
// UTF-8, a character the code page lacks, a field too long for its record.
ImportError parseWordTable(const std::string& text, int codePage, std::vector<WordRecord>& records);
