// language.cf, the installer's list of the pairs it installs.
#include <cstdio>

#include "fuzzsupport.h"
#include "languagecf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::writeFile("language.cf", fuzz::bytes(data, size));
    FILE* file = std::fopen("language.cf", "rb");
    LanguageListReader reader(file);
    LanguageEntry entry;
    std::string error;
    int result, entries = 0;
    while ((result = reader.next(entry, error)) == 1) {
        ++entries;
        FUZZ_CHECK(!entry.name.empty() && !entry.longName.empty());
        FUZZ_CHECK(entries <= static_cast<int>(size));
    }
    FUZZ_CHECK(result == 0 || !error.empty());
    std::fclose(file);
    return 0;
}
