// palette.h — the character palette window and the state its hosts share.
//
// A host (the search window, the add-words window) sets the anchor when it is
// created, tells the palette which field has the focus and that field's
// charset and language, and switches the palette on and off from its menu.
#pragma once

#include <windows.h>

#include <string>

struct PaletteState {
    HWND paletteWindow = nullptr;  // the open palette, if any
    HWND paletteAnchor = nullptr;  // the host window the palette sits above
    HWND paletteTarget = nullptr;  // the field that receives the characters
    int paletteCharset = 0;        // charset of the target's side
    std::string paletteLanguage;   // names the charset file of that side
    std::string characters;        // the buttons' characters, from the last load
};

extern PaletteState palette;

// Closes the palette if one is open, opens a new one above the anchor (the
// charset file read anew) and gives the focus to the target.
void reopenPalette();

// Closes the palette window; nothing happens when none is open.
void closePalette();

// Host side.
void paletteHostCreated(HWND host, int charset, const std::string& language);
// A field of the host got the focus: it becomes the target; when its side
// has another charset the palette follows (re-created when it is on).
void paletteFieldFocused(HWND field, int charset, const std::string& language, bool paletteOn);
// The pair changed: the palette is to follow the new pair's headword side.
// Nothing is made anew here: the host focuses its field, then reopens the
// palette when it is on, so that it is made once, for the right side.
void palettePairChanged(int charset, const std::string& language);
