// translation.cpp — splitting translations at their commas.
#include "translation.h"

#include <cstring>

std::string trimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> trimmedPieces(const std::string& translation) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start <= translation.size()) {
        size_t comma = translation.find(',', start);
        if (comma == std::string::npos) comma = translation.size();
        std::string piece = trimBlanks(translation.substr(start, comma - start));
        if (!piece.empty()) pieces.push_back(piece);
        start = comma + 1;
    }
    return pieces;
}

std::string normaliseTranslation(const std::string& translation) {
    std::string joined;
    for (const std::string& piece : trimmedPieces(translation)) {
        if (!joined.empty()) joined += ", ";
        joined += piece;
    }
    return joined;
}

std::vector<std::string> piecesSkippingLeadingBlanks(const char* translation) {
    std::vector<std::string> pieces;
    const char* p = translation;
    while (*p) {
        if (*p == ',') {  // consecutive commas give no empty pieces
            ++p;
            continue;
        }
        const char* end = std::strchr(p, ',');
        if (!end) end = p + std::strlen(p);
        const char* start = p;
        while (start < end && *start == ' ') ++start;
        pieces.emplace_back(start, end);
        p = end;
    }
    return pieces;
}
