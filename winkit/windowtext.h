// windowtext.h — a window's whole text, and plain text on the clipboard.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

std::wstring windowText(HWND window);

// Sets the text only when it differs: every text set costs an edit field a
// new layout and a repaint, and a view update often leaves rows as they were.
void setWindowTextIfChanged(HWND window, const std::wstring& text);

// The clipboard's plain text (CF_UNICODETEXT), up to its first NUL. False
// when it holds none or cannot be opened.
bool getClipboardText(HWND owner, std::wstring& text);

// The clipboard's plain text as 8-bit text of a code page: its Unicode text
// converted through the code page or, when it has none, its 8-bit text as
// it stands; either up to its first NUL. blockSize is the size in bytes of
// the clipboard's memory block, which may be larger than the text. False
// when it holds no text or cannot be opened.
bool getClipboardBytes(HWND owner, unsigned codePage, std::string& text, size_t& blockSize);

// Puts the text on the clipboard as plain text (CF_UNICODETEXT), replacing
// what it held. False when the clipboard cannot be opened or written.
bool setClipboardText(HWND owner, const std::wstring& text);
