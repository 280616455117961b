// settingsfile.h — what the installer writes into the program's settings file.
//
// The file keeps an [AddNew] section, a [selected] section naming the pair
// opened first, and one [language] item per installed pair, each under the
// header its edition's program reads ("[langue]" in French, ...). Every rewrite
// writes the whole new file to "tmp.ini" and puts it in place with one
// atomic replace, so a failure leaves the old file whole. Lines are written
// with CRLF ends, as Windows text files are, on every build.
//
// The steps return nullptr on success, else the fatal text to report.
#pragma once

#include <string>

#include "edition.h"
#include "languagecf.h"

constexpr const char* kSettingsTempFile = "tmp.ini";

namespace settings_error {
constexpr const char* kCantCreate = "Can't create DICT.INI";
constexpr const char* kCantOpen = "Can't open DICT.INI";
constexpr const char* kCantOpenTemp = "Can't open TMP.INI";
// The new file was written but could not take the settings file's place (or
// could not be written whole); the old file is unchanged.
constexpr const char* kCantReplace = "Can't write DICT.INI";
}  // namespace settings_error

// "# --- <settings file> ---...", the first line of a new settings file.
std::string settingsHeaderLine(const std::string& settingsFile);
// "# --- EOF ---...", its last line.
std::string settingsEndLine();

// The key of an item line: its fourth field, else its first field (a line
// without a comma has no key). Compared ignoring case.
bool pairItemKey(const std::string& line, std::string& key);

// Writes the initial twelve-line file, naming selectedItem in [selected],
// unless the settings file exists. An existing file is left as it is.
const char* createSettingsIfMissing(const InstallEdition& edition, const std::string& selectedItem);

// Rewrites the file without the item lines whose key equals longName.
const char* removePairItems(const InstallEdition& edition, const std::string& longName);

// Rewrites the file with the item added after the last item of the
// [language] section, which stays followed by an empty line.
const char* addPairItem(const InstallEdition& edition, const LanguageEntry& entry);

// Items of the [language] section, or -1 when the file cannot be opened.
int countPairItems(const InstallEdition& edition);

// Rewrites the [language] section sorted by key, with the installer's
// comparison (the locale's case-insensitive string sort when a collation
// locale is in force, else A-Z folding). Whatever followed the section header
// in the old file is replaced by the sorted items and the end comment.
const char* sortPairItems(const InstallEdition& edition);
