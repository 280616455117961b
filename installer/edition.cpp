// edition.cpp — the edition values of the eleven UI languages.
#include "edition.h"

#include "textcase.h"

namespace {

const Edition kEditions[] = {
    {"english", "dict.ini", "EnglishAviDelay", "english", "language\\"},
    {"french", "dict.ini", "FrenchAviDelay", "french", "langue\\"},
    {"swedish", "lexikon.ini", "SwedishAviDelay", "swedish", "sprak\\"},
    {"russianlat", "ravidi.ini", "RavidiEngAviDelay", "russian", "language\\"},
    // The program names it "Ravidi.ini"; the installer writes "ravidi.ini" and
    // its header so. Windows file names ignore case: it is the same file.
    {"russiancyr", "ravidi.ini", "RavidiCyrAviDelay", "russian", "language\\"},
    {"dutch", "norva.ini", "DutchAviDelay", "dutch", "taal\\"},
    {"italian", "dizio.ini", "ItalianAviDelay", "italian", "language\\"},
    {"norwegian", "dict.ini", "NorwegianAviDelay", "norwegian-bokmal", "language\\"},
    {"danish", "dict.ini", "DanishAviDelay", "danish", "language\\"},
    {"german", "wbuch.ini", "GermanAviDelay", "german", "sprache\\"},
    {"esperanto", "vortaro.ini", "EsperantoAviDelay", "French", "Lingvo\\"},
};

}  // namespace

const Edition& editionNamed(const std::string& language) {
    for (const Edition& e : kEditions)
        if (equalsIgnoringCase(language, e.language)) return e;
    return kEditions[4];
}
