// A charset file: the characters of the palette, and where their buttons go.
#include "fuzzsupport.h"
#include "palettelayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::writeFile("charset.txt", fuzz::bytes(data, size));
    std::string characters;
    if (readPaletteCharacters("charset.txt", characters)) {
        FUZZ_CHECK(characters.size() <= kPaletteMaxCharacters);
        const int count = static_cast<int>(characters.size());
        FUZZ_CHECK(paletteWidth(count) > 0);
        for (int k = 0; k < count; ++k) {
            ButtonPlace place = paletteButtonPlace(k, count);
            FUZZ_CHECK(place.x >= 0 && place.y >= 0);
        }
    }
    return 0;
}
