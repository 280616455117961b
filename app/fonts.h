// fonts.h — the fonts every window shares, and the one way fonts are made.
#pragma once

#include <windows.h>

// A font at 96 dots per inch whatever the screen: height -(points x 96 / 72,
// rounded). Charset 500 means the face "Times SudEuro" with charset 0.
HFONT createUiFont(int points, int weight, const wchar_t* face, int charset);

struct SharedFonts {
    HFONT titleFont = nullptr;       // Times New Roman 43 bold: main window title
    HFONT listTitleFont = nullptr;   // Times New Roman 40 bold: list editor
    HFONT pairFont = nullptr;        // Times New Roman 30 bold: the pair names
    HFONT listFont = nullptr;        // Arial 15
    HFONT searchHeadFont = nullptr;  // Arial 14 bold
    HFONT practiceFont = nullptr;    // Arial 15 bold
    HFONT smallFont = nullptr;       // Arial 10
    HFONT buttonFont = nullptr;      // Arial 9: buttons and small texts
};

extern SharedFonts sharedFonts;

void createSharedFonts(int uiCharset);
void deleteSharedFonts();
