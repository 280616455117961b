// languagecf.h — language.cf, the list of language pairs to install.
//
// Entries of three lines: "name,locale,charset,long name", the FROM list's
// file name and the TO list's file name (both in the word-list folder).
// Empty lines and comment lines may stand anywhere, also inside an entry.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kLanguageListFile = "language.cf";

struct LanguageEntry {
    std::string name, locale, charset, longName;  // the four fields of line 1
    std::string fromList;                         // line 2
    std::string toList;                           // line 3
    std::string firstLine;                        // line 1 as read, for error reports
};

// Splits at commas; a run of commas is one separator, so no field is empty.
std::vector<std::string> splitFields(const std::string& line);

// The settings-file item of an entry: its four fields joined by commas.
std::string pairItemText(const LanguageEntry& entry);

class LanguageListReader {
   public:
    explicit LanguageListReader(FILE* file) : file_(file) {}

    // 1 with the next entry, 0 at the end of the list, -1 with a fatal text
    // naming the entry when it is not a whole entry of four fields.
    int next(LanguageEntry& entry, std::string& error);

   private:
    bool nextLine(std::string& line);
    FILE* file_;
};
