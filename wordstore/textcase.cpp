// textcase.cpp — A-Z folding comparison on unsigned bytes.
#include "textcase.h"

int compareFoldingAZ(const char* a, const char* b, size_t n) {
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0; i < n; ++i) {
        unsigned char cx = foldAZ(x[i]), cy = foldAZ(y[i]);
        if (cx != cy) return cx < cy ? -1 : 1;
        if (cx == 0) return 0;
    }
    return 0;
}

int compareFoldingAZ(const char* a, const char* b) { return compareFoldingAZ(a, b, SIZE_MAX); }
