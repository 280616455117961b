// wordpick.cpp — word delimiters and the scans around the caret.
#include "wordpick.h"

#include <array>

namespace {

constexpr std::array<bool, 256> makeDelimiters() {
    std::array<bool, 256> table{};
    for (int b = 0x00; b <= 0x26; ++b) table[b] = true;  // controls, space, ! " # $ % &
    for (int b = 0x28; b <= 0x2C; ++b) table[b] = true;  // ( ) * + ,
    for (int b = 0x2E; b <= 0x40; ++b) table[b] = true;  // . / digits : ; < = > ? @
    for (int b = 0x5B; b <= 0x60; ++b) table[b] = true;  // [ \ ] ^ _ `
    return table;
}
constexpr std::array<bool, 256> kDelimiters = makeDelimiters();

}  // namespace

bool isWordDelimiter(unsigned char byte) { return kDelimiters[byte]; }

std::string wordAtCaret(const char* text, int32_t size, int32_t caret) {
    if (!text || caret < 0 || caret >= size) return std::string();
    auto at = [text](int32_t i) { return static_cast<unsigned char>(text[i]); };
    // Back from the byte after the caret to the first delimiter. The first
    // byte of the text is tested too: a text that opens with a blank or a
    // line end must not lend it to its first word.
    int32_t start = caret;
    while (start >= 0 && !isWordDelimiter(at(start))) --start;
    ++start;
    // Forward to the next delimiter, within the text's size; the NUL that
    // ends the text is one.
    int32_t end = caret;
    while (end < size && !isWordDelimiter(at(end))) ++end;
    if (end <= start) return std::string();
    const size_t length = static_cast<size_t>(end - start);
    return std::string(text + start, length < kPickedWordChars ? length : kPickedWordChars);
}

bool pickWordAtCaret(const char* text, int32_t size, int32_t caret, std::string& lastPickedWord) {
    std::string word = wordAtCaret(text, size, caret);
    if (word.empty() || word == lastPickedWord) return false;
    lastPickedWord = word;
    return true;
}
