// textlines.cpp — line pieces of at most 99 characters.
#include "textlines.h"

namespace {

// Consumes a line end ("\n" or "\r\n") at the current position, if any.
bool consumeLineEnd(FILE* file) {
    int c = std::fgetc(file);
    if (c == '\n') return true;
    if (c == '\r') {
        int next = std::fgetc(file);
        if (next == '\n') return true;
        if (next != EOF) std::ungetc(next, file);
        // A lone CR is text; it cannot be pushed back behind the byte just
        // read, so it is dropped rather than doubled.
        return false;
    }
    if (c != EOF) std::ungetc(c, file);
    return false;
}

}  // namespace

bool readLinePiece(FILE* file, std::string& line, size_t maxChars) {
    line.clear();
    for (;;) {
        if (line.size() == maxChars) {
            // A line of exactly maxChars characters is one piece, not two.
            consumeLineEnd(file);
            return true;
        }
        int c = std::fgetc(file);
        if (c == EOF) return !line.empty();
        if (c == '\n') return true;
        if (c == '\r') {
            int next = std::fgetc(file);
            if (next == '\n') return true;
            if (next != EOF) std::ungetc(next, file);
        }
        line.push_back(static_cast<char>(c));
    }
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(start, nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = nl + 1;
    }
    return lines;
}

std::vector<std::string> splitAtCommas(const std::string& item) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (start <= item.size()) {
        size_t comma = item.find(',', start);
        if (comma == std::string::npos) comma = item.size();
        if (comma > start) fields.push_back(item.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}
