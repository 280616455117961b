// collation.cpp — compareWords and putting a pair's collation in force.
#include "collation.h"

#include <cstdio>
#include <iterator>

#include "collate.h"
#include "files.h"
#include "languagepair.h"
#include "messages.h"
#include "textcase.h"
#include "uistrings.h"

Collation collation;

namespace {

struct LanguageName {
    const char* name;
    int id;  // LANG_ primary language id
};

// The language names the locale check accepts, with their primary ids.
const LanguageName kLanguageNames[] = {
    {"AFRIKAANS", 0x36},  {"ALBANIAN", 0x1c},   {"ARABIC", 0x01},     {"ARMENIAN", 0x2b},
    {"ASSAMESE", 0x4d},   {"AZERI", 0x2c},      {"BASQUE", 0x2d},     {"BELARUSIAN", 0x23},
    {"BENGALI", 0x45},    {"BULGARIAN", 0x02},  {"CATALAN", 0x03},    {"CHINESE", 0x04},
    {"CROATIAN", 0x1a},   {"CZECH", 0x05},      {"DANISH", 0x06},     {"DUTCH", 0x13},
    {"ENGLISH", 0x09},    {"ESTONIAN", 0x25},   {"FAEROESE", 0x38},   {"FARSI", 0x29},
    {"FINNISH", 0x0b},    {"FRENCH", 0x0c},     {"GEORGIAN", 0x37},   {"GERMAN", 0x07},
    {"GREEK", 0x08},      {"GUJARATI", 0x47},   {"HEBREW", 0x0d},     {"HINDI", 0x39},
    {"HUNGARIAN", 0x0e},  {"ICELANDIC", 0x0f},  {"INDONESIAN", 0x21}, {"ITALIAN", 0x10},
    {"JAPANESE", 0x11},   {"KANNADA", 0x4b},    {"KASHMIRI", 0x60},   {"KAZAK", 0x3f},
    {"KONKANI", 0x57},    {"KOREAN", 0x12},     {"LATVIAN", 0x26},    {"LITHUANIAN", 0x27},
    {"MACEDONIAN", 0x2f}, {"MALAY", 0x3e},      {"MALAYALAM", 0x4c},  {"MANIPURI", 0x58},
    {"MARATHI", 0x4e},    {"NEPALI", 0x61},     {"NORWEGIAN", 0x14},  {"ORIYA", 0x48},
    {"POLISH", 0x15},     {"PORTUGUESE", 0x16}, {"PUNJABI", 0x46},    {"ROMANIAN", 0x18},
    {"RUSSIAN", 0x19},    {"SANSKRIT", 0x4f},   {"SERBIAN", 0x1a},    {"SINDHI", 0x59},
    {"SLOVAK", 0x1b},     {"SLOVENIAN", 0x24},  {"SPANISH", 0x0a},    {"SWAHILI", 0x41},
    {"SWEDISH", 0x1d},    {"TAMIL", 0x49},      {"TATAR", 0x44},      {"TELUGU", 0x4a},
    {"THAI", 0x1e},       {"TURKISH", 0x1f},    {"UKRAINIAN", 0x22},  {"URDU", 0x20},
    {"UZBEK", 0x43},      {"VIETNAMESE", 0x2a},
};
static_assert(std::size(kLanguageNames) == 70, "seventy language names");

const LanguagePair* pairOrCurrent(const LanguagePair* pair) { return pair ? pair : currentPair(); }

void warnLocaleNotSet(MessageOwner owner) {
    showCoreMessage({uiString(ui::kLocaleError), uiString(ui::kDictionaryCaption),
                     MessageIcon::Warning, owner, ui::kLocaleError, ui::kDictionaryCaption});
}

}  // namespace

WordOrder currentWordOrder() {
    const LanguagePair* pair = currentPair();
    if (pair && pair->hasSortTable == 1) return sortTableOrder(collation.sortTable);
    return localeOrFoldingOrder();
}

int compareWords(const char* a, const char* b) { return currentWordOrder().compare(a, b); }

int findLanguageName(const std::string& localeName) {
    // A locale name may carry a country and a code page ("Russian_Russia.1251")
    // or a variant ("norwegian-bokmal"): the language is the part before them.
    std::string language = localeName.substr(0, localeName.find_first_of("_.-"));
    for (size_t i = 0; i < std::size(kLanguageNames); ++i)
        if (equalsIgnoringCase(language, kLanguageNames[i].name)) return static_cast<int>(i);
    return -1;
}

int languageIdOf(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kLanguageNames))
               ? kLanguageNames[index].id
               : 0;
}

bool checkLocaleName(const char* localeName) {
    if (findLanguageName(localeName) >= 0) return true;
    showCoreMessage({std::string("Unknown locale : ") + localeName, "error", MessageIcon::None,
                     MessageOwner::None});
    return false;
}

std::string sortTablePath(const LanguagePair& pair) {
    return std::string("tables\\") + pair.name + ".stb";
}

void loadSortTable(const LanguagePair* pair) {
    pair = pairOrCurrent(pair);
    if (!pair || pair->hasSortTable != 1) return;
    FILE* file = openFile(sortTablePath(*pair), "rb");
    if (!file) {
        showCoreMessage({"Can't open sorttable", "error", MessageIcon::None, MessageOwner::None});
        return;
    }
    // A short file fills only its leading entries; the rest keep their values.
    unsigned char table[256];
    size_t got = std::fread(table, 1, sizeof table, file);
    std::fclose(file);
    for (size_t i = 0; i < got; ++i) collation.sortTable[i] = table[i];
}

void applyCollation(CollationOccasion occasion, const LanguagePair* pair) {
    pair = pairOrCurrent(pair);
    if (!pair) return;
    switch (occasion) {
        case CollationOccasion::StartUp:
            if (!setCollationLocale(pair->locale)) warnLocaleNotSet(MessageOwner::None);
            checkLocaleName(pair->locale);
            loadSortTable(pair);
            break;
        case CollationOccasion::PairChange:
            loadSortTable(pair);
            if (!setCollationLocale(pair->locale)) warnLocaleNotSet(MessageOwner::MainWindow);
            checkLocaleName(pair->locale);
            break;
        case CollationOccasion::Resort:
            setCollationLocale(pair->locale);
            checkLocaleName(pair->locale);
            loadSortTable(pair);
            break;
        case CollationOccasion::OtherDirection:
            setCollationLocale(pair->locale);
            checkLocaleName(pair->locale);
            break;
    }
}
