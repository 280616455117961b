// widetext.h — 8-bit text of a code page to and from UTF-16.
//
// Files keep their bytes in the code page of their language; windows show
// UTF-16. Every text crossing a window boundary goes through here.
#pragma once

#include <string>

std::wstring toWide(const std::string& bytes, unsigned codePage);

// Converts back; false in *lossless when a character has no byte in the code page.
std::string toBytes(const std::wstring& text, unsigned codePage, bool* lossless = nullptr);
