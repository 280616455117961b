// sortkey.cpp — folded and mapped keys.
#include "sortkey.h"

#include "textcase.h"

size_t foldedKey(const char* text, unsigned char* key, size_t capacity) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    size_t n = 0;
    for (; p[n]; ++n) {
        if (n == capacity) return kNoKey;
        key[n] = foldAZ(p[n]);
    }
    return n;
}

size_t mappedKey(const char* text, const unsigned char table[256], unsigned char* key,
                 size_t capacity) {
    size_t n = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        unsigned char v = table[*p];
        if (v == 1) continue;  // ignored character
        if (v == 0) break;     // the text ends here
        if (n == capacity) return kNoKey;
        key[n++] = v;
    }
    return n;
}
