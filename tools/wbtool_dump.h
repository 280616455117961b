// wbtool_dump.h — one record as a line of text.
#pragma once

#include <cstdint>
#include <string>

#include "wordrecord.h"

// A field's text with tab, line feed and backslash written as \t, \n, \\.
std::string escapeField(const std::string& text);

// "index<TAB>headword<TAB>translation<TAB>deleted\n": the texts as the word
// store reads them (up to the NUL, never past the field) turned from the
// code page into UTF-8 and escaped, the mark as its number.
std::string dumpLine(int64_t index, const WordRecord& record, int codePage);
