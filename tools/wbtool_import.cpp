// wbtool_import.cpp — parsing the import format, line by line.
#include "wbtool_import.h"

#include <cstring>

#include "codepage.h"

namespace {

// One field converted to the code page and checked against its capacity.
// Empty when it is fine, else the message.
std::string convertField(const std::string& utf8, const char* what, int capacity, int codePage,
                         std::string& out) {
    ConversionResult r = utf8ToCodePage(utf8, codePage, out);
    if (r.status == ConversionStatus::InvalidUtf8)
        return std::string(what) + " is not valid UTF-8 (byte " + std::to_string(r.offset + 1) +
               ")";
    if (r.status == ConversionStatus::Unmappable)
        return std::string(what) + " has the character " + codePointName(r.codePoint) +
               ", which code page " + std::to_string(codePage) + " lacks";
    if (out.size() > static_cast<size_t>(capacity))
        return std::string(what) + " has " + std::to_string(out.size()) + " characters; at most " +
               std::to_string(capacity) + " fit";
    return {};
}

}  // namespace

ImportError parseWordTable(const std::string& text, int codePage,
                           std::vector<WordRecord>& records) {
    records.clear();
    size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    int lineNumber = 0;
    std::string headword, translation;
    while (pos < text.size()) {
        ++lineNumber;
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.find('\0') != std::string::npos)
            return {lineNumber, "has a NUL character, which no field can hold"};
        size_t tab = line.find('\t');
        if (tab == std::string::npos)
            return {lineNumber, "has no tab between headword and translation"};
        std::string problem =
            convertField(line.substr(0, tab), "the headword", kHeadwordChars, codePage, headword);
        if (problem.empty())
            problem = convertField(line.substr(tab + 1), "the translation", kTranslationChars,
                                   codePage, translation);
        if (!problem.empty()) return {lineNumber, problem};
        records.push_back(makeRecord(headword, translation));
    }
    return {};
}
