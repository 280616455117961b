// installmessage.h — the installer's message boxes and its fatal error report.
//
// Texts are 8-bit in the system's code page, as everything the installer
// reads from the distribution.
#pragma once

#include <windows.h>

#include <string>

int showInstallMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// The arrow cursor, the text in a box captioned "Error" with the error icon,
// then the process ends with exit code 1.
[[noreturn]] void fatalReport(HWND owner, const std::string& text);
