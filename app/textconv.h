// textconv.h — 8-bit text of a character set to and from UTF-16.
//
// Files keep their bytes in the code page of their language; windows show
// UTF-16. Every text crossing a window boundary goes through here.
#pragma once

#include <string>

#include "widetext.h"

// The code page of a font character set: 0 -> 1252, 204 -> 1251, 500
// (Esperanto) -> 28593, and the other Windows charsets.
unsigned windowCodePage(int charset);
