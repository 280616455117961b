// widetext.h — 8-bit text of a code page to and from UTF-16.
//
// Files keep their bytes in the code page of their language; windows show
// UTF-16. Every text crossing a window boundary goes through here.
#pragma once

#include <string>

std::wstring toWide(const std::string& bytes, unsigned codePage);

// Converts back; false in *lossless when a character has no byte in the code page.
std::string toBytes(const std::wstring& text, unsigned codePage, bool* lossless = nullptr);

// The code page a window converts a font character set's text with: the
// word store's table (0 -> 1252, 204 -> 1251, 500 -> 28593, ...), Western
// for a character set it does not know.
unsigned windowCodePage(int charset);
