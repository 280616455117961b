// uistrings.h — access to the UI strings by offset.
//
// Every visible text, and a few settings of the language edition (folder
// names, locale, settings-file name), is the UI string at some offset of the
// current UI language's block. The program loads them from its string table;
// the portable core only asks through this seam, so that tests and tools can
// supply their own.
#pragma once

#include <string>

// Offsets the core itself uses.
namespace ui {
constexpr int kDictionaryCaption = 0;  // "Dictionary"
constexpr int kWordListFolder = 1;     // "language\"
constexpr int kListRootFolder = 2;     // "list\"
constexpr int kListTempFile = 3;       // "list\temp.ls"
constexpr int kSortTempFile = 4;       // "language\tempfile"
constexpr int kIconFolder = 5;         // "icons\"
constexpr int kUiLocale = 12;          // "english"
constexpr int kUiCharset = 13;         // "0"
constexpr int kLocaleError = 14;       // "Error setting LOCALE..."
}  // namespace ui

// Returns the UI string at the offset as 8-bit text in the system code page
// (the form that names files); empty when there is none.
using UiStringLoader = std::string (*)(int offset);

UiStringLoader setUiStringLoader(UiStringLoader loader);
std::string uiString(int offset);
