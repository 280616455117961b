// The settings file as the program reads it ([language] into the catalogue,
// [selected]) and rewrites its [selected] line.
#include "catalogue.h"
#include "fuzzsupport.h"
#include "languagepair.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::useEnglishStrings();
    const std::string text = fuzz::bytes(data, size);
    fuzz::writeFile("dict.ini", text);
    if (loadCatalogue() == 0) {
        FUZZ_CHECK(catalogue.size > 0 && catalogue.size % 2 == 0);
        FUZZ_CHECK(catalogue.size <= 2 * kMaxCatalogueItems);
        FUZZ_CHECK(loadSelection() == 0);
        FUZZ_CHECK(catalogue.currentPair != nullptr);
    }
    clearCatalogue();
    const std::string once = withSelectedLine(text, "[selected]", 10, "Fre_Eng.wb");
    FUZZ_CHECK(withSelectedLine(once, "[selected]", 10, "Fre_Eng.wb") == once);
    return 0;
}
