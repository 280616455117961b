// loadedtext.cpp — reading a text file whole, taking the clipboard's block.
#include "loadedtext.h"

#include <algorithm>
#include <cstring>
#include <new>

TextLoad readWholeText(FILE* file, LoadedText& text, int32_t maxSize) {
    // Read in pieces up to one byte past the limit rather than trusting a
    // size asked beforehand: a size query is 32-bit on some platforms, and
    // a file can change between asking and reading.
    std::string bytes;
    try {
        char piece[64 * 1024];
        for (;;) {
            size_t got = std::fread(piece, 1, sizeof piece, file);
            if (bytes.size() + got > static_cast<size_t>(maxSize)) return TextLoad::TooLarge;
            bytes.append(piece, got);
            if (got < sizeof piece) break;
        }
    } catch (const std::bad_alloc&) {
        return TextLoad::TooLarge;
    }
    if (std::ferror(file)) return TextLoad::ReadFailed;
    text.loadedTextSize = static_cast<int32_t>(bytes.size());
    text.bytes.swap(bytes);
    return TextLoad::Loaded;
}

TextLoad takeClipboardBlock(const std::string& text, size_t blockSize, LoadedText& loaded,
                            int32_t maxSize) {
    const size_t length = std::min(std::strlen(text.c_str()), text.size());
    // A text converted into more bytes than its block had stays whole.
    const size_t size = std::max(blockSize, length);
    if (size > static_cast<size_t>(maxSize)) return TextLoad::TooLarge;
    try {
        std::string bytes(size, '\0');
        std::memcpy(&bytes[0], text.data(), length);
        loaded.bytes.swap(bytes);
    } catch (const std::bad_alloc&) {
        return TextLoad::TooLarge;
    }
    loaded.loadedTextSize = static_cast<int32_t>(size);
    return TextLoad::Loaded;
}
