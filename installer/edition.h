// edition.h — the four values of the UI edition an installer build serves:
// they must equal the dictionary program's values for that UI language.
#pragma once

#include <string>

struct Edition {
    const char* language;        // the UI language name
    const char* settingsFile;    // the settings file the program reads
    const char* aviDelayKey;     // win.ini key of the intro-animation delay
    const char* locale;          // collation locale of the reverse lists
    const char* wordListFolder;  // where the word lists are
};

// The edition of that UI language (ignoring case); russiancyr when unknown.
const Edition& editionNamed(const std::string& language);

// The edition this installer was built for (CMake option INSTALL_EDITION).
const Edition& installerEdition();
