// wbtool_dump.cpp — records as escaped UTF-8 lines.
#include "wbtool_dump.h"

#include "codepage.h"

std::string escapeField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

std::string dumpLine(int64_t index, const WordRecord& record, int codePage) {
    return std::to_string(index) + '\t' +
           escapeField(codePageToUtf8(headwordOf(record), codePage)) + '\t' +
           escapeField(codePageToUtf8(translationOf(record), codePage)) + '\t' +
           std::to_string(record.deleted) + '\n';
}
