// codepage.cpp — table-driven conversion between the code pages and UTF-8.
#include "codepage.h"

#include <cstdio>

namespace codepage_tables {
extern const char16_t kPage1252[128], kPage1251[128], kPage1250[128], kPage1253[128],
    kPage1254[128], kPage1257[128], kPage1255[128], kPage1256[128], kPage28593[128];
}

namespace {

struct CharsetPage {
    int charset;
    int codePage;
    const char16_t* upperHalf;  // bytes 0x80-0xFF
};

const CharsetPage kPages[] = {
    {0, 1252, codepage_tables::kPage1252},     {204, 1251, codepage_tables::kPage1251},
    {238, 1250, codepage_tables::kPage1250},   {161, 1253, codepage_tables::kPage1253},
    {162, 1254, codepage_tables::kPage1254},   {186, 1257, codepage_tables::kPage1257},
    {177, 1255, codepage_tables::kPage1255},   {178, 1256, codepage_tables::kPage1256},
    {500, 28593, codepage_tables::kPage28593},
};

const char16_t* upperHalfOf(int codePage) {
    for (const CharsetPage& p : kPages)
        if (p.codePage == codePage) return p.upperHalf;
    return nullptr;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. False for a malformed,
// overlong or surrogate sequence, or one beyond U+10FFFF.
bool decodeUtf8(const std::string& text, size_t& i, char32_t& c) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra;
    char32_t min;
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        c = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        c = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        c = lead & 0x07;
        min = 0x10000;
    } else
        return false;
    if (i + extra >= text.size()) return false;  // the sequence runs past the end
    for (int k = 1; k <= extra; ++k) {
        unsigned char b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += extra + 1;
    return true;
}

}  // namespace

int codePageOfCharset(int charset) {
    for (const CharsetPage& p : kPages)
        if (p.charset == charset) return p.codePage;
    return 0;
}

bool isKnownCodePage(int codePage) { return upperHalfOf(codePage) != nullptr; }

std::string codePageToUtf8(const std::string& text, int codePage) {
    const char16_t* upper = upperHalfOf(codePage);
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        unsigned char b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 || !upper ? char32_t(b) : char32_t(upper[b - 0x80]));
    }
    return out;
}

ConversionResult utf8ToCodePage(const std::string& utf8, int codePage, std::string& out) {
    const char16_t* upper = upperHalfOf(codePage);
    out.clear();
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t at = i;
        char32_t c;
        if (!decodeUtf8(utf8, i, c)) return {ConversionStatus::InvalidUtf8, 0, at};
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        int byte = -1;
        for (int k = 0; upper && k < 128 && byte < 0; ++k)
            if (upper[k] == c) byte = 0x80 + k;
        if (byte < 0) return {ConversionStatus::Unmappable, c, at};
        out += static_cast<char>(byte);
    }
    return {};
}

std::string codePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}
