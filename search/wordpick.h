// wordpick.h — the word around the caret in a loaded text: the bytes that
// end words, the two scans outward from the caret, and the word picked last
// (the same word pointed at again is not looked up again).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A picked word and `lastPickedWord` hold at most this many bytes; a longer
// run of word bytes is cut to its first 99 (the look-up uses only the first
// 37 in any case).
constexpr size_t kPickedWordChars = 99;

// Control characters, space, digits, the punctuation ! " # $ % & ( ) * + , .
// / : ; < = > ?, the at sign and [ \ ] ^ _ ` end words (69 byte values, the
// NUL among them); the apostrophe, the hyphen, letters, { | } ~, 0x7F and
// every byte from 0x80 up belong to words.
bool isWordDelimiter(unsigned char byte);

// The word around the caret of a text of `size` bytes (a NUL ends it
// earlier): scanning back from the byte after the caret to the first
// delimiter, and forward from it to the next. Empty when the caret stands on
// a delimiter or just after a word's last letter, or outside the text.
std::string wordAtCaret(const char* text, int32_t size, int32_t caret);

// The word at the caret when there is one and it differs from
// lastPickedWord, which it then becomes; false when nothing is to be looked
// up.
bool pickWordAtCaret(const char* text, int32_t size, int32_t caret, std::string& lastPickedWord);
