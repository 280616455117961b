// edition.h — the values of the UI edition an installer build serves.
//
// The program takes these from the string table of its UI language; the
// installer's table is made from the same string tables when it is built
// (installer/CMakeLists.txt), so that each edition's installer writes what
// that edition's program reads. One edition per executable (CMake option
// INSTALL_EDITION).
#pragma once

#include <string>

// Texts are 8-bit, in the edition's code page, as its program reads them.
struct InstallEdition {
    std::string uiLanguage;      // "russiancyr"
    int codePage = 1252;         // of its texts and file names (offset 13's charset)
    std::string settingsFile;    // the settings file the program reads ("ravidi.ini")
    std::string aviDelayKey;     // win.ini key of the intro delay ("RavidiCyrAviDelay")
    std::string locale;          // collation locale of the UI language ("russian")
    std::string wordListFolder;  // folder of the word lists, with its "\" ("language\")
    std::string languageHeader;  // the settings file's section headers ("[language]",
    std::string selectedHeader;  // "[selected]", "[AddNew]")
    std::string addNewHeader;
};

// The edition of a UI language by name (ignoring case), or nullptr.
const InstallEdition* findEdition(const std::string& uiLanguage);

// The edition this executable installs (thisedition.cpp, compiled into each
// installer executable with its own INSTALL_EDITION).
const InstallEdition& installEdition();
