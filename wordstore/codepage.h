// codepage.h — the 8-bit code pages of the dictionaries, to and from UTF-8.
//
// Word files hold text in the code page of their language's character set;
// tools and windows meet UTF-8 or UTF-16. The conversion is table-driven and
// the same on every platform, so a file converts to the same bytes whether
// the native tool or the Windows one does it.
#pragma once

#include <cstddef>
#include <string>

// The code page of a font character set: 0 -> 1252, 204 -> 1251,
// 238 -> 1250, 161 -> 1253, 162 -> 1254, 186 -> 1257, 177 -> 1255,
// 178 -> 1256, 500 -> 28593 (Latin-3). 0 for a character set we do not know.
int codePageOfCharset(int charset);

// Whether the code page is one of the nine above.
bool isKnownCodePage(int codePage);

// 8-bit text in the code page as UTF-8. Every byte converts: bytes the code
// page leaves undefined stand for U+0080-U+00FF of the same value.
std::string codePageToUtf8(const std::string& text, int codePage);

enum class ConversionStatus { Ok, InvalidUtf8, Unmappable };

struct ConversionResult {
    ConversionStatus status = ConversionStatus::Ok;
    char32_t codePoint = 0;  // the character the code page lacks (Unmappable)
    size_t offset = 0;       // byte offset in the UTF-8 input of the problem
};

// UTF-8 text as bytes of the code page. Stops at the first malformed
// sequence or at the first character the code page lacks; out then holds
// what was converted before it.
ConversionResult utf8ToCodePage(const std::string& utf8, int codePage, std::string& out);

// "U+0416": how messages name a character.
std::string codePointName(char32_t c);
