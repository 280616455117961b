// installation.cpp — language.ini, dict.ini and word files for a test.
#include "installation.h"

#include "testsupport.h"

namespace test {

std::string settingsText(const InstallationSetup& setup) {
    std::string text =
        "# --- dict.ini ----------------------------------------\r\n\r\n"
        "[AddNew]\r\non\r\n\r\n[selected]\r\n" +
        setup.selected + "\r\n\r\n[language]\r\n";
    for (const std::string& item : setup.items) text += item + "\r\n";
    text += "\r\n# --- EOF ---------------------------------------------\r\n";
    return text;
}

void prepareInstallation(const InstallationSetup& setup) {
    writeBytes("language.ini", "[Dictionary]\r\nLanguage=" + setup.language + "\r\n");
    writeBytes("dict.ini", settingsText(setup));
    if (!setup.wordFiles) return;
    makeFolders("language");
    for (const std::string& item : setup.items) {
        std::string code = item.substr(0, 3);
        writeWordFile("language\\" + code + "_Eng.wb",
                      {{code + "-one", "one"}, {code + "-two", "two"}});
        writeWordFile("language\\Eng_" + code + ".wb",
                      {{"one", code + "-one"}, {"two", code + "-two"}});
    }
}

}  // namespace test
