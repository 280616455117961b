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
