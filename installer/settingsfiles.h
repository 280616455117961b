// settingsfiles.h — the settings-file steps on disk, and the processing of
// language.cf that builds each pair's reverse list and enters the pair.
// Every rewrite goes to tmp.ini and takes the file's place in one step.
#pragma once

#include <string>

#include "edition.h"
#include "reverselist.h"
#include "settingssetup.h"

// Each returns false with one of the installer's fatal texts in error.
bool createSettingsIfMissing(const std::string& settingsFile, const std::string& selected,
                             std::string& error);
bool removePairItems(const std::string& settingsFile, const std::string& longName,
                     std::string& error);
bool addPairItem(const std::string& settingsFile, const std::string& item, std::string& error);
// The items of the [language] section, or -1 when the file cannot be opened.
int countPairItems(const std::string& settingsFile);
// Sorts the [language] items by key with the installer's comparison; a file
// that cannot be read is left as it is.
bool sortPairItems(const std::string& settingsFile, std::string& error);

// The installer's own comparison: the locale's case-insensitive string sort,
// or A-Z folding when no locale is in force.
int compareByInstaller(const char* a, const char* b);

// What the installer shows while it builds the lists.
class LanguageListProgress : public ReverseListProgress {
public:
    virtual void pairStarted(const LanguageEntry&) {}
    virtual void localeNotSet() {}
};

// Reads language.cf in the working folder and, for each entry, builds the
// reverse list and enters the pair; deletes language.cf at the end.
bool processLanguageList(const Edition& edition, LanguageListProgress& progress, std::string& error);
