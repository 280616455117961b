// languagecf.cpp — reading the three-line entries of language.cf.
#include "languagecf.h"

#include "textlines.h"

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < line.size()) {
        size_t comma = line.find(',', i);
        if (comma == std::string::npos) comma = line.size();
        if (comma > i) fields.push_back(line.substr(i, comma - i));
        i = comma + 1;
    }
    return fields;
}

std::string pairItemText(const LanguageEntry& e) {
    return e.name + "," + e.locale + "," + e.charset + "," + e.longName;
}

bool LanguageListReader::nextLine(std::string& line) {
    while (readLinePiece(file_, line))
        if (!isCommentOrEmpty(line)) return true;
    return false;
}

int LanguageListReader::next(LanguageEntry& entry, std::string& error) {
    entry = LanguageEntry{};
    if (!nextLine(entry.firstLine)) return 0;
    // An entry needs all four fields: the long name names the pair's files
    // and its settings item. More than four: the first four are the entry.
    std::vector<std::string> fields = splitFields(entry.firstLine);
    if (fields.size() < 4) {
        error = "Entry without its four fields in LANGUAGE.CF:\n" + entry.firstLine;
        return -1;
    }
    entry.name = fields[0];
    entry.locale = fields[1];
    entry.charset = fields[2];
    entry.longName = fields[3];
    if (!nextLine(entry.fromList) || !nextLine(entry.toList)) {
        error = "Incomplete entry at the end of LANGUAGE.CF:\n" + entry.firstLine;
        return -1;
    }
    return 1;
}
