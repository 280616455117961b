// A dictionary file of any bytes: partial tails, fields without a NUL,
// marks of any value. It is opened, counted, read record by record, searched
// and re-sorted as the program does.
#include <algorithm>
#include <cstring>

#include "fuzzsupport.h"
#include "languagepair.h"
#include "lookup.h"
#include "resort.h"
#include "wordstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::useEnglishStrings();
    static LanguagePair pair{};
    std::strcpy(pair.name, "French");
    std::strcpy(pair.toName, "English");
    std::strcpy(pair.shortDictFile, "Fre_Eng.wb");
    std::strcpy(pair.shortListFile, "Fre_Eng.ls");
    std::strcpy(pair.locale, "C");
    catalogue.currentPair = &pair;
    fuzz::writeFile("language\\Fre_Eng.wb", fuzz::bytes(data, size));
    fuzz::writeFile("list\\verbs\\.keep", "");

    if (openDictionary() != 0) fuzz::fail("the dictionary does not open");
    countRecords();
    FUZZ_CHECK(wordStore.dictionaryCount == static_cast<int32_t>(size / kRecordSize));
    for (int32_t i = 0; i < wordStore.dictionaryCount; ++i) {
        FUZZ_CHECK(readDictionaryRecord(i) == 0);
        FUZZ_CHECK(std::memchr(wordStore.recordBuffer.headword, 0,
                               sizeof wordStore.recordBuffer.headword) != nullptr);
        FUZZ_CHECK(std::memchr(wordStore.recordBuffer.translation, 0,
                               sizeof wordStore.recordBuffer.translation) != nullptr);
    }
    const std::string key = fuzz::bytes(data, std::min(size, size_t{kHeadwordChars}));
    int32_t found = findWord(key.c_str());
    FUZZ_CHECK(found >= 0 && found <= wordStore.dictionaryCount);
    // The re-sort keeps every live record and ends with a whole number of them.
    if (resortDictionary() == 0)
        FUZZ_CHECK(wordStore.dictionaryCount <= static_cast<int32_t>(size / kRecordSize));
    closeWordFiles();
    return 0;
}
