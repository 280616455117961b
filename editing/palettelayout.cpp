// palettelayout.cpp — palette characters and geometry.
#include "palettelayout.h"

#include <cstdio>

#include "files.h"

std::string builtInPaletteCharacters() {
    std::string chars;
    for (int c = 0xC0; c <= 0xDF; ++c) chars += static_cast<char>(c);
    chars += static_cast<char>(0xBF);
    for (int c = 0xE0; c <= 0xFF; ++c) chars += static_cast<char>(c);
    chars += static_cast<char>(0xA7);
    return chars;
}

std::string charsetFilePath(const std::string& language) { return "charset\\" + language + ".chs"; }

bool readPaletteCharacters(const std::string& path, std::string& characters) {
    FILE* file = openFile(path, "rb");
    if (!file) return false;
    characters.clear();
    int c;
    while (characters.size() < kPaletteMaxCharacters && (c = std::fgetc(file)) != EOF) {
        if (c == '\r') {
            int next = std::fgetc(file);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                std::ungetc(next, file);
        }
        characters += static_cast<char>(c);
        if (c == '\n') break;
    }
    std::fclose(file);
    return true;
}

std::string paletteCharactersFor(const std::string& language) {
    std::string chars;
    if (!readPaletteCharacters(charsetFilePath(language), chars) || chars.empty())
        return builtInPaletteCharacters();
    return chars;
}

int paletteWidth(int count) { return (count / 2) * kPaletteButtonWidth + 5; }

ButtonPlace paletteButtonPlace(int k, int count) {
    int firstRow = count / 2;
    if (k < firstRow) return {k * kPaletteButtonWidth, 0};
    return {(k - firstRow) * kPaletteButtonWidth, kPaletteButtonHeight};
}

PalettePosition palettePosition(int anchorLeft, int anchorTop, int anchorWidth, int width) {
    int x = anchorLeft + (anchorWidth - width) / 2;
    int y = anchorTop - kPaletteHeight;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}
