// uilanguage.h — the UI language named in language.ini and its strings.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

struct UiLanguage {
    std::string name;    // as read from language.ini ("english", "GERMAN", ...)
    int stringBase = 0;  // 500 + 200 x its position among the eleven; 0 when unknown
    int charset = 0;     // uiCharset: the UI string at offset 13 as a number
};

extern UiLanguage uiLanguage;

// The string base of a UI language name (ignoring case), 0 when unknown.
int stringBaseOf(const std::string& name);

// Reads language.ini in the working folder and finds the string base.
// False when the name is not one of the eleven.
bool readUiLanguage();

// The UI string at an offset, for display.
std::wstring uiText(int offset);

// A text with its placeholders ("%s", "%d") filled in order with values.
std::wstring fillPlaceholders(const std::wstring& pattern,
                              std::initializer_list<std::wstring> values);

// The same as 8-bit text in the UI language's own code page: the form in
// which it names files and matches the settings file the edition's installer
// wrote. Installed as the core's UI-string loader.
std::string uiBytes(int offset);

// The code page of the UI language's texts.
unsigned uiCodePage();

// "%s_kind" named by the UI language, as stored in the resources.
std::wstring resourceName(const char* kind);
