// edition.h — the four values of the UI edition an installer build serves.
//
// The program takes these from the string table of its UI language; the
// installer carries them as constants, one edition per build (CMake option
// INSTALL_EDITION), and must write what that edition of the program reads.
#pragma once

#include <string>

struct InstallEdition {
    const char* uiLanguage;      // "russiancyr"
    const char* settingsFile;    // the settings file the program reads ("ravidi.ini")
    const char* aviDelayKey;     // win.ini key of the intro delay ("RavidiCyrAviDelay")
    const char* locale;          // collation locale of the UI language ("russian")
    const char* wordListFolder;  // folder of the word lists, with its "\" ("language\")
};

// The edition of a UI language by name (ignoring case), or nullptr.
const InstallEdition* findEdition(const std::string& uiLanguage);

// The edition this executable installs (thisedition.cpp, compiled into each
// installer executable with its own INSTALL_EDITION).
const InstallEdition& installEdition();
