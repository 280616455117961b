// installation.h — a prepared installation folder for the program's tests.
#pragma once

#include <string>
#include <vector>

namespace test {

struct InstallationSetup {
    std::string language = "english";  // language.ini
    std::vector<std::string> items = {"French,french,0", "German,german,0"};
    std::string selected = "Fre_Eng.wb";
    bool wordFiles = true;  // both directions of every item, two words each
};

// Writes language.ini, dict.ini (as the installer lays it out, CRLF line
// ends) and the word files into the working folder.
void prepareInstallation(const InstallationSetup& setup);

// The settings file as prepareInstallation writes it.
std::string settingsText(const InstallationSetup& setup);

}  // namespace test
