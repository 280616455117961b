// settingsfiles.cpp — reading, transforming and replacing the settings file.
#include "settingsfiles.h"

#include <cstdio>

#include "collate.h"
#include "files.h"
#include "textcase.h"

namespace {

// The installer's fatal texts name DICT.INI whatever the file is called.
constexpr const char* kCantCreateSettings = "Can't create DICT.INI";
constexpr const char* kCantOpenSettings = "Can't open DICT.INI";
constexpr const char* kCantOpenTmp = "Can't open TMP.INI";
constexpr const char* kCantOpenLanguageList = "Can't open LANGUAGE.CF";

bool readWhole(const std::string& path, std::string& text) {
    FILE* f = openFile(path, "rb");
    if (!f) return false;
    text.clear();
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
    std::fclose(f);
    return true;
}

// Writes the text with CR LF line ends to tmp.ini and puts it in place.
bool replaceWith(const std::string& settingsFile, const std::string& text, std::string& error) {
    FILE* tmp = openFile("tmp.ini", "wb");
    if (!tmp) {
        error = kCantOpenTmp;
        return false;
    }
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    bool written = std::fwrite(crlf.data(), 1, crlf.size(), tmp) == crlf.size();
    if (!written) {
        std::fclose(tmp);
        removeFile("tmp.ini");
        error = kCantOpenTmp;
        return false;
    }
    if (!commitReplacement(tmp, "tmp.ini", settingsFile)) {
        error = kCantOpenTmp;
        return false;
    }
    return true;
}

bool rewrite(const std::string& settingsFile, std::string (*change)(const std::string&, const std::string&),
             const std::string& argument, std::string& error) {
    std::string text;
    if (!readWhole(settingsFile, text)) {
        error = kCantOpenSettings;
        return false;
    }
    return replaceWith(settingsFile, change(text, argument), error);
}

bool installerLess(const std::string& a, const std::string& b) {
    return compareByInstaller(a.c_str(), b.c_str()) < 0;
}

}  // namespace

int compareByInstaller(const char* a, const char* b) {
    return collationLocaleInForce() ? compareInLocale(a, b) : compareFoldingAZ(a, b);
}

bool createSettingsIfMissing(const std::string& settingsFile, const std::string& selected,
                             std::string& error) {
    if (fileExists(settingsFile)) return true;
    std::string text = initialSettings(settingsFile, selected);
    FILE* f = openFile(settingsFile, "wb");
    if (!f) {
        error = kCantCreateSettings;
        return false;
    }
    std::fclose(f);
    return replaceWith(settingsFile, text, error);
}

bool removePairItems(const std::string& settingsFile, const std::string& longName, std::string& error) {
    return rewrite(settingsFile, withoutPairItems, longName, error);
}

bool addPairItem(const std::string& settingsFile, const std::string& item, std::string& error) {
    return rewrite(settingsFile, withPairItem, item, error);
}

int countPairItems(const std::string& settingsFile) {
    std::string text;
    return readWhole(settingsFile, text) ? countPairItemsIn(text) : -1;
}

bool sortPairItems(const std::string& settingsFile, std::string& error) {
    std::string text;
    if (!readWhole(settingsFile, text)) return true;  // silently skipped
    return replaceWith(settingsFile, withSortedPairItems(text, installerLess), error);
}

bool processLanguageList(const Edition& edition, LanguageListProgress& progress, std::string& error) {
    std::string text;
    if (!readWhole("language.cf", text)) {
        error = kCantOpenLanguageList;
        return false;
    }
    std::vector<LanguageEntry> entries;
    if (!parseLanguageList(text, entries, error)) return false;
    const std::string folder = edition.wordListFolder;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LanguageEntry& entry = entries[i];
        progress.pairStarted(entry);
        if (!setCollationLocale(edition.locale)) progress.localeNotSet();
        if (i == 0 && !createSettingsIfMissing(edition.settingsFile, entry.fromList, error)) return false;
        ReverseListResult built = buildReverseList(
            {folder + entry.fromList, folder + entry.toList, folder + "temp.wb"}, &progress);
        if (built.status != 0) {
            error = built.error;
            return false;
        }
        if (!removePairItems(edition.settingsFile, entry.longName, error)) return false;
        if (!addPairItem(edition.settingsFile, entry.item(), error)) return false;
    }
    removeFile("language.cf");
    return true;
}
