// fonts.cpp — createUiFont and the eight shared fonts.
#include "fonts.h"

#include <initializer_list>

SharedFonts sharedFonts;

HFONT createUiFont(int points, int weight, const wchar_t* face, int charset) {
    int height = -((points * 96 + 36) / 72);
    bool sudEuro = charset == 500;
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       static_cast<DWORD>(sudEuro ? 0 : charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       sudEuro ? L"Times SudEuro" : face);
}

void createSharedFonts(int cs) {
    sharedFonts.titleFont = createUiFont(43, 700, L"Times New Roman", cs);
    sharedFonts.listTitleFont = createUiFont(40, 700, L"Times New Roman", cs);
    sharedFonts.pairFont = createUiFont(30, 700, L"Times New Roman", cs);
    sharedFonts.listFont = createUiFont(15, 400, L"Arial", cs);
    sharedFonts.searchHeadFont = createUiFont(14, 700, L"Arial", cs);
    sharedFonts.practiceFont = createUiFont(15, 700, L"Arial", cs);
    sharedFonts.smallFont = createUiFont(10, 400, L"Arial", cs);
    sharedFonts.buttonFont = createUiFont(9, 400, L"Arial", cs);
}

void deleteSharedFonts() {
    for (HFONT* f : {&sharedFonts.titleFont, &sharedFonts.listTitleFont, &sharedFonts.pairFont,
                     &sharedFonts.listFont, &sharedFonts.searchHeadFont, &sharedFonts.practiceFont,
                     &sharedFonts.smallFont, &sharedFonts.buttonFont}) {
        if (*f) DeleteObject(*f);
        *f = nullptr;
    }
}
