// edition.cpp — the editions' values: the UI strings at offsets 1, 12, 13,
// 15, 53, 56, 57 and 59 of each UI language, taken from its string table
// when the installer is built (editiontable.inc).
#include "edition.h"

#include <cstdlib>
#include <vector>

#include "codepage.h"
#include "textcase.h"

namespace {

struct EditionStrings {  // as the string tables hold them: UTF-8
    const char *uiLanguage, *wordListFolder, *locale, *charset, *aviDelayKey, *settingsFile,
        *languageHeader, *selectedHeader, *addNewHeader;
};

const EditionStrings kEditionStrings[] = {
#include "editiontable.inc"
};

std::string inCodePage(const char* utf8, int codePage) {
    std::string text;
    utf8ToCodePage(utf8, codePage, text);  // the resource test keeps them within it
    return text;
}

// The installer has always named the settings file in small letters (the
// russiancyr table spells it "Ravidi.ini"): Windows opens the same file by
// either name, and the file's first line shows the name as written.
std::string inSmallLetters(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::vector<InstallEdition> makeEditions() {
    std::vector<InstallEdition> editions;
    for (const EditionStrings& s : kEditionStrings) {
        InstallEdition e;
        e.uiLanguage = s.uiLanguage;
        e.codePage = codePageOfCharset(std::atoi(s.charset));
        e.settingsFile = inSmallLetters(inCodePage(s.settingsFile, e.codePage));
        e.aviDelayKey = inCodePage(s.aviDelayKey, e.codePage);
        e.locale = inCodePage(s.locale, e.codePage);
        e.wordListFolder = inCodePage(s.wordListFolder, e.codePage);
        e.languageHeader = inCodePage(s.languageHeader, e.codePage);
        e.selectedHeader = inCodePage(s.selectedHeader, e.codePage);
        e.addNewHeader = inCodePage(s.addNewHeader, e.codePage);
        editions.push_back(e);
    }
    return editions;
}

}  // namespace

const InstallEdition* findEdition(const std::string& uiLanguage) {
    static const std::vector<InstallEdition> editions = makeEditions();
    for (const InstallEdition& e : editions)
        if (equalsIgnoringCase(uiLanguage, e.uiLanguage)) return &e;
    return nullptr;
}
