// help.cpp — help: the old viewer when its file is there, else the HTML page.
//
// Windows 10/11 and Wine have no viewer for the old help format, so the
// program falls back to an HTML page of the same base name.
#include "help.h"

#include <shellapi.h>

#include <string>

#include "uilanguage.h"
#include "widetext.h"

std::wstring helpPageFor(const std::wstring& helpFile, const wchar_t* keyword) {
    size_t dot = helpFile.rfind(L'.');
    std::wstring page = (dot == std::wstring::npos ? helpFile : helpFile.substr(0, dot)) + L".htm";
    if (keyword && *keyword) page += std::wstring(L"#") + keyword;
    return page;
}

void openHelp(HWND owner, const wchar_t* keyword) {
    std::wstring helpFile = uiText(83);
    if (GetFileAttributesW(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (keyword)
            WinHelpW(owner, helpFile.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword));
        else
            WinHelpW(owner, helpFile.c_str(), HELP_INDEX, 0);
        return;
    }
    std::wstring page = helpPageFor(helpFile, keyword);
    ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
