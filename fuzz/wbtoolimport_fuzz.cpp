// wbtool's import table (TSV: headword, tab, translation) in any code page.
#include "fuzzsupport.h"
#include "wbtool_import.h"
#include "wordrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const int kCodePages[] = {1252, 1251, 1250, 1253, 1254, 1257, 1255, 1256, 28593};
    const int codePage = kCodePages[data[0] % (sizeof kCodePages / sizeof *kCodePages)];
    const std::string text = fuzz::bytes(data + 1, size - 1);
    std::vector<WordRecord> records;
    ImportError error = parseWordTable(text, codePage, records);
    if (error.line != 0) {
        FUZZ_CHECK(!error.message.empty());
    } else {
        FUZZ_CHECK(records.size() <= text.size() + 1);
        for (const WordRecord& r : records) {
            FUZZ_CHECK(r.headword[kHeadwordChars] == '\0');
            FUZZ_CHECK(r.translation[sizeof r.translation - 1] == '\0');
        }
    }
    return 0;
}
