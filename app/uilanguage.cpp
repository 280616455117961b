// uilanguage.cpp — language.ini, the string base and the string table.
#include "uilanguage.h"

#include <cstdlib>

#include "codepage.h"
#include "files.h"
#include "textcase.h"
#include "widetext.h"

UiLanguage uiLanguage;

namespace {
const char* const kUiLanguages[] = {"english",    "french", "swedish",  "russianlat",
                                    "russiancyr", "dutch",  "italian",  "norwegian",
                                    "danish",     "german", "esperanto"};
}

int stringBaseOf(const std::string& name) {
    for (int i = 0; i < 11; ++i)
        if (equalsIgnoringCase(name, kUiLanguages[i])) return 500 + 200 * i;
    return 0;
}

bool readUiLanguage() {
    // The folder as the system names it: an installation folder with letters
    // outside the system's code page still finds its language.ini.
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH - 1, folder);
    std::wstring iniPath = std::wstring(folder) + L"\\language.ini";
    wchar_t name[149] = {};
    GetPrivateProfileStringW(L"Dictionary", L"Language", L"", name, 149, iniPath.c_str());
    uiLanguage.name = toBytes(name, CP_ACP);  // one of eleven ASCII names, or unknown
    uiLanguage.stringBase = stringBaseOf(uiLanguage.name);
    if (uiLanguage.stringBase == 0) return false;
    uiLanguage.charset = std::atoi(toBytes(uiText(13), CP_ACP).c_str());
    // Every path of the program is text of the UI edition's code page: its
    // folder names, the settings file and the names in it.
    setPathCodePage(codePageOfCharset(uiLanguage.charset));
    return true;
}

std::wstring uiText(int offset) {
    wchar_t buffer[300] = {};
    int n = LoadStringW(GetModuleHandleW(nullptr),
                        static_cast<UINT>(uiLanguage.stringBase + offset), buffer, 300);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

unsigned uiCodePage() { return windowCodePage(uiLanguage.charset); }

std::string uiBytes(int offset) { return toBytes(uiText(offset), uiCodePage()); }

std::wstring resourceName(const char* kind) { return toWide(uiLanguage.name + "_" + kind, CP_ACP); }

std::wstring fillPlaceholders(const std::wstring& pattern,
                              std::initializer_list<std::wstring> values) {
    std::wstring out;
    auto next = values.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == L'%' && i + 1 < pattern.size() &&
                                 (pattern[i + 1] == L's' || pattern[i + 1] == L'd');
        if (placeholder && next != values.end()) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
