// sortkey.cpp — comparison prefixes of headwords.
#include "sortkey.h"

#include "textcase.h"

uint64_t foldedPrefix(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    uint64_t prefix = 0;
    int taken = 0;
    for (; taken < 8 && *p; ++taken) prefix = (prefix << 8) | foldAZ(*p++);
    return taken == 0 ? 0 : prefix << (8 * (8 - taken));
}

uint64_t mappedPrefix(const char* text, const unsigned char table[256]) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    uint64_t prefix = 0;
    int taken = 0;
    while (taken < 8 && *p) {
        unsigned char v = table[*p++];
        if (v == 1) continue;  // ignored character
        if (v == 0) break;     // the text ends here
        prefix = (prefix << 8) | v;
        ++taken;
    }
    return taken == 0 ? 0 : prefix << (8 * (8 - taken));
}
