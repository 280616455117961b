// palettelayout.h — what the character palette shows and where: its
// characters (from the language's charset file or the built-in set), its two
// rows of buttons, its width and its place above the host window.
#pragma once

#include <string>

constexpr int kPaletteButtonWidth = 19;
constexpr int kPaletteButtonHeight = 23;
constexpr int kPaletteHeight = 70;  // outer height
constexpr size_t kPaletteMaxCharacters = 254;

// The 66 Western letters offered without a charset file: 0xC0-0xDF, 0xBF,
// 0xE0-0xFF, 0xA7.
std::string builtInPaletteCharacters();

// "charset\" + language + ".chs"
std::string charsetFilePath(const std::string& language);

// The palette characters of a charset file: its first line, up to 254 bytes,
// the line feed included when it comes earlier (a CR LF counts as one line
// feed). False when the file cannot be opened.
bool readPaletteCharacters(const std::string& path, std::string& characters);

// The characters to show: the file's, or the built-in set when the file
// cannot be opened or holds no character at all (an empty palette would be
// of no use to anyone).
std::string paletteCharactersFor(const std::string& language);

// Outer width: (N / 2) x 19 + 5 pixels; room for the first row only.
int paletteWidth(int count);

struct ButtonPlace {
    int x, y;
};
// Button k of N: the first row holds N / 2 buttons, the second the rest.
ButtonPlace paletteButtonPlace(int k, int count);

struct PalettePosition {
    int x, y;
};
// Centred over the anchor, 70 pixels above its top, neither below 0.
PalettePosition palettePosition(int anchorLeft, int anchorTop, int anchorWidth, int width);
