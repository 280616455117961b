// The text-file search: the word picked at a caret in any text, and
// clipboard text taken into the text box.
#include <cstring>

#include "fuzzsupport.h"
#include "loadedtext.h"
#include "wordpick.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    int32_t caret;
    std::memcpy(&caret, data, sizeof caret);
    // The text as the window holds it: its bytes in a buffer ending in a NUL.
    const std::string text = fuzz::bytes(data + 4, size - 4);
    const int32_t length = static_cast<int32_t>(text.size());
    std::string word = wordAtCaret(text.c_str(), length, caret);
    FUZZ_CHECK(word.size() <= text.size());
    FUZZ_CHECK(word.empty() || text.find(word) != std::string::npos);
    std::string last;
    pickWordAtCaret(text.c_str(), length, caret, last);

    LoadedText loaded;
    TextLoad result = takeClipboardBlock(text, text.size() + (caret & 0xFF), loaded, 1 << 16);
    if (result == TextLoad::Loaded) FUZZ_CHECK(loaded.shownBytes() == std::string(text.c_str()));
    return 0;
}
