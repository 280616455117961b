// textconv.cpp — the code page of a font character set (the conversions
// themselves are in widetext.cpp, shared with the installer).
#include "textconv.h"

unsigned codePageOfCharset(int charset) {
    switch (charset) {
        case 204: return 1251;   // Cyrillic
        case 238: return 1250;   // Central European
        case 161: return 1253;   // Greek
        case 162: return 1254;   // Turkish
        case 186: return 1257;   // Baltic
        case 177: return 1255;   // Hebrew
        case 178: return 1256;   // Arabic
        case 500: return 28593;  // Latin-3 (Esperanto): no Windows charset holds it
        default: return 1252;
    }
}
