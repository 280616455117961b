// installmessage.h — the installer's message boxes and its fatal error report.
//
// Texts are 8-bit in the edition's code page, as everything the installer
// reads from the distribution (install.inf, language.cf, the closing text);
// the installer's own texts are plain English.
#pragma once

#include <windows.h>

#include <string>

// A text of the distribution as the window shows it.
std::wstring installText(const std::string& text);

int showInstallMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// The arrow cursor, the text in a box captioned "Error" with the error icon,
// then the process ends with exit code 1.
[[noreturn]] void fatalReport(HWND owner, const std::string& text);
