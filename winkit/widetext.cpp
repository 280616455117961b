// widetext.cpp — conversions through MultiByteToWideChar / WideCharToMultiByte.
#include "widetext.h"

#include <windows.h>

#include "codepage.h"

std::wstring toWide(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) return std::wstring();
    int n =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &out[0], n);
    return out;
}

std::string toBytes(const std::wstring& text, unsigned codePage, bool* lossless) {
    if (lossless) *lossless = true;
    if (text.empty()) return std::string();
    BOOL usedDefault = FALSE;
    // UTF-8 and the 5xxxx code pages refuse the "used default" query (the
    // ISO ones such as 28593 answer it); for those, converting back tells.
    BOOL* ask = (codePage == CP_UTF8 || codePage >= 50000) ? nullptr : &usedDefault;
    // No best fit: a character the code page lacks must show as lost, not
    // as a look-alike ("a" for "ā").
    const DWORD flags = ask ? WC_NO_BEST_FIT_CHARS : 0;
    int n = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                                nullptr, 0, nullptr, ask);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, ask);
    if (lossless) {
        *lossless = !usedDefault;
        // Round trip where the query is not available.
        if (!ask) *lossless = toWide(out, codePage) == text;
    }
    return out;
}

unsigned windowCodePage(int charset) {
    int codePage = codePageOfCharset(charset);
    return codePage ? static_cast<unsigned>(codePage) : 1252;
}
