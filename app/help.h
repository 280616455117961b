// help.h — the help pages.
#pragma once

#include <windows.h>

#include <string>

// Opens the UI language's help file (offset 83) with the platform's help
// viewer when that file exists; otherwise the HTML page of the same base name
// (".htm") with the shell. A keyword becomes the page's anchor.
void openHelp(HWND owner, const wchar_t* keyword);

// The page opened for a help file name and keyword: "dict.htm#add words".
std::wstring helpPageFor(const std::wstring& helpFile, const wchar_t* keyword);
