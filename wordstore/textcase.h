// textcase.h — case-insensitive text comparison that folds only A-Z.
//
// Wherever the program compares texts "ignoring case" it folds the ASCII
// letters and nothing else, on unsigned bytes, whatever the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline unsigned char foldAZ(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// -1, 0 or 1, comparing folded bytes as unsigned values.
int compareFoldingAZ(const char* a, const char* b);

// Compares at most n bytes the same way.
int compareFoldingAZ(const char* a, const char* b, size_t n);

inline bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && compareFoldingAZ(a.c_str(), b.c_str()) == 0;
}

// Whether text begins with prefix, ignoring the case of A-Z.
inline bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           compareFoldingAZ(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}
