// widetext.cpp — conversions through MultiByteToWideChar / WideCharToMultiByte.
#include "widetext.h"

#include <windows.h>

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
    // Code pages such as 28593 refuse the "used default" query; ask only where it works.
    BOOL* ask = (codePage == CP_UTF8 || codePage >= 50000) ? nullptr : &usedDefault;
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, ask);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, ask);
    if (lossless) {
        *lossless = !usedDefault;
        // Round trip where the query is not available.
        if (!ask) *lossless = toWide(out, codePage) == text;
    }
    return out;
}
