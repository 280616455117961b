// A sort table (tables\<name>.stb): the first 256 bytes weigh the letters;
// the words compared with it come from the rest of the input.
#include <cstring>

#include "collation.h"
#include "fuzzsupport.h"
#include "languagepair.h"
#include "wordrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::useEnglishStrings();
    const std::string input = fuzz::bytes(data, size);
    const size_t tableBytes = size < 300 ? size : 300;  // short, whole and long tables
    fuzz::writeFile("tables\\Fuzz.stb", input.substr(0, tableBytes));
    LanguagePair pair{};
    std::strcpy(pair.name, "Fuzz");
    std::strcpy(pair.locale, "C");
    pair.hasSortTable = 1;
    loadSortTable(&pair);

    // Three words from the rest, cut at NULs as the fields are.
    const std::string rest = input.substr(tableBytes);
    std::string words[3];
    size_t at = 0;
    for (std::string& w : words) {
        size_t end = rest.find('\0', at);
        if (end == std::string::npos) end = rest.size();
        w = rest.substr(at, std::min<size_t>(end - at, kHeadwordChars));
        at = end < rest.size() ? end + 1 : end;
    }
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const std::string& a : words) {
        FUZZ_CHECK(compareWords(a.c_str(), a.c_str()) == 0);
        for (const std::string& b : words)
            FUZZ_CHECK(sign(compareWords(a.c_str(), b.c_str())) ==
                       -sign(compareWords(b.c_str(), a.c_str())));
    }
    return 0;
}
