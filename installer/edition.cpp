// edition.cpp — the editions' values, equal to the UI strings at offsets 53,
// 15, 12 and 1 of each UI language (a unit test compares them with the
// string tables).
#include "edition.h"

#include "textcase.h"

namespace {

// The russiancyr settings file is written "ravidi.ini", as the installer has
// always written it; the program's string table spells it "Ravidi.ini",
// which names the same file on Windows.
const InstallEdition kEditions[] = {
    {"english", "dict.ini", "EnglishAviDelay", "english", "language\\"},
    {"french", "dict.ini", "FrenchAviDelay", "french", "langue\\"},
    {"swedish", "lexikon.ini", "SwedishAviDelay", "swedish", "sprak\\"},
    {"russianlat", "ravidi.ini", "RavidiEngAviDelay", "russian", "language\\"},
    {"russiancyr", "ravidi.ini", "RavidiCyrAviDelay", "russian", "language\\"},
    {"dutch", "norva.ini", "DutchAviDelay", "dutch", "taal\\"},
    {"italian", "dizio.ini", "ItalianAviDelay", "italian", "language\\"},
    {"norwegian", "dict.ini", "NorwegianAviDelay", "norwegian-bokmal", "language\\"},
    {"danish", "dict.ini", "DanishAviDelay", "danish", "language\\"},
    {"german", "wbuch.ini", "GermanAviDelay", "german", "sprache\\"},
    {"esperanto", "vortaro.ini", "EsperantoAviDelay", "French", "Lingvo\\"},
};

}  // namespace

const InstallEdition* findEdition(const std::string& uiLanguage) {
    for (const InstallEdition& e : kEditions)
        if (equalsIgnoringCase(uiLanguage, e.uiLanguage)) return &e;
    return nullptr;
}
