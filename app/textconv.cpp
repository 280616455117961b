// textconv.cpp — the code page a window converts a character set's text with
// (the conversions themselves are in widetext.cpp, shared with the installer).
#include "textconv.h"

#include "codepage.h"

unsigned windowCodePage(int charset) {
    // The character sets of the word store's table; Western for any other.
    int codePage = codePageOfCharset(charset);
    return codePage ? static_cast<unsigned>(codePage) : 1252;
}
