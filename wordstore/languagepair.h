// languagepair.h — one direction of an installed language pair, and the
// catalogue of all of them.
//
// The capacities of the text fields are part of the settings-file format:
// a name of 100, short file names of 13, a locale of 20 characters, each
// including the terminating NUL.
#pragma once

#include <cstdint>
#include <string>

struct LanguagePair {
    LanguagePair* next = nullptr;
    int32_t menuId = 0;              // 200 + position, once the Language menu is built
    int32_t hasSortTable = 0;        // tables\<name>.stb could be read when the catalogue was read
    int32_t headwordCharset = 0;     // font character set of the headwords (0, 204, 500, ...)
    int32_t translationCharset = 0;  // font character set of the translations
    int16_t selected = 0;
    char name[100] = {};
    char toName[100] = {};
    char shortDictFile[13] = {};  // Fre_Eng.wb
    char shortListFile[13] = {};  // Fre_Eng.ls
    char fromIcon[13] = {};
    char toIcon[13] = {};
    char locale[20] = {};
    char longDictFile[205] = {};
    char longListFile[205] = {};
    char longFromIcon[100] = {};
    char longToIcon[100] = {};
    char longName[100] = {};
};

// The file names a pair uses: the long form when it has a long name.
inline std::string dictionaryFileName(const LanguagePair& p) {
    return p.longName[0] ? p.longDictFile : p.shortDictFile;
}
inline std::string listFileName(const LanguagePair& p) {
    return p.longName[0] ? p.longListFile : p.shortListFile;
}

// All pairs: the forward entries in settings-file order, then the reverse
// entries in the same order. Built once at start-up, kept for the run.
struct Catalogue {
    LanguagePair* head = nullptr;
    int32_t size = 0;
    LanguagePair* currentPair = nullptr;
};

extern Catalogue catalogue;

// The pair in use; the word store and the collation take their files from it.
inline LanguagePair* currentPair() { return catalogue.currentPair; }
