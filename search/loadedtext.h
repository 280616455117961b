// loadedtext.h — the program's copy of the text shown in the text-file
// search: the bytes of a file or of the clipboard's text, always followed
// by a NUL, and the size the word scans are bounded by.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct LoadedText {
    // `loadedTextSize` bytes and a NUL after them (std::string keeps one).
    // A file's bytes as they are; the clipboard's text up to its NUL, the
    // rest of its block zeroes.
    std::string bytes;
    // For a file its size; for clipboard text the size of the clipboard's
    // memory block, which may be larger than the text.
    int32_t loadedTextSize = 0;

    const char* data() const { return bytes.c_str(); }
    // What the text box shows: the bytes up to the first NUL.
    std::string shownBytes() const { return std::string(bytes.c_str()); }
};

// Texts beyond this size are not loaded (the old text stays and a message
// says why): the text box lays out every line when it gets its text, which
// under Wine took 1.4 to 2 s a megabyte of 80-character lines here, so a
// larger text would hold the program for longer than anyone waits. A text
// to be read word by word is seldom longer than a book of a megabyte or two.
constexpr int32_t kMaxLoadedTextSize = 4 * 1024 * 1024;

enum class TextLoad {
    Loaded,
    TooLarge,    // over kMaxLoadedTextSize, or no memory for it
    ReadFailed,  // the file could not be read to its end
};

// Reads an open file whole into `text` (from its current position to its
// end). Anything but Loaded leaves `text` as it was: a text is never shown
// half, and never replaced by what could not be read.
TextLoad readWholeText(FILE* file, LoadedText& text, int32_t maxSize = kMaxLoadedTextSize);

// Clipboard text: the text up to its first NUL (at most blockSize bytes) in a
// buffer of the block's size. TooLarge when the block is larger than
// maxSize or no memory is left for it; `text` then stays as it was.
TextLoad takeClipboardBlock(const std::string& text, size_t blockSize, LoadedText& loaded,
                            int32_t maxSize = kMaxLoadedTextSize);
