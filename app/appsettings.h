// appsettings.h — the program-wide settings and flags, and the keys they
// are kept under in section "Dictionary".
//
// Every key goes through the settings store (settingsstore.h): win.ini, or
// the per-user file where the platform does not let the program write win.ini.
#pragma once

#include <string>

// The window kinds whose positions are kept, in the order of their keys.
enum class PositionKind { Main, Practise, Makelist, Add, Translate, Search, Count, None };

// A saved top of this value means that no position is kept.
constexpr int kNoSavedPosition = 9999;

struct SavedPosition {
    int left = kNoSavedPosition;
    int top = kNoSavedPosition;
};

struct AppSettings {
    int stayOnTop = 0;        // every window top-most
    int clipSearch = 0;       // the search window follows the clipboard
    int aviDelay = 0;         // ms between replays of the About animation
    int toolWindowOpen = 0;   // one tool window at a time
    int recordMode = 0;       // started with "record"
    int dictionaryDirty = 0;  // a dictionary was changed in place or appended to
    SavedPosition positions[static_cast<int>(PositionKind::Count)];
};

extern AppSettings appSettings;

SavedPosition& savedPosition(PositionKind kind);

// Reads PracticeList and ListID (start-up, before the word files open).
void readPracticeListSettings();

// Reads the intro delay (the key named by offset 15), StayOnTop, ClipSearch
// and the six saved positions (main window creation).
void readWindowSettings();

// Writes at exit: StayOnTop, the positions that are kept, ClipSearch, and
// PracticeList with ListID when a list is current.
void writeExitSettings();

// Any number key of the section (for example the recorder's lastrecord_<name>).
int readIniInt(const char* key, int fallback);
void writeIniInt(const char* key, int value);
