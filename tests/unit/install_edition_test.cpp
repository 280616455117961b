// The installer's edition values must be what each UI edition of the program
// reads from its string table (settings file, win.ini key, locale, folder).
#include <gtest/gtest.h>

#include <fstream>

#include "edition.h"
#include "textcase.h"

#ifndef NORVA_SOURCE_DIR
#error "the tests need the source folder for the string tables"
#endif

namespace {

const char* const kUiLanguages[] = {"english",    "french", "swedish",  "russianlat",
                                    "russiancyr", "dutch",  "italian",  "norwegian",
                                    "danish",     "german", "esperanto"};

// The UI string at an offset of one language, from its string table
// (lines such as `  1301, "language\\"`).
std::string uiString(const std::string& language, int position, int offset) {
    std::ifstream rc(std::string(NORVA_SOURCE_DIR) + "/resources/lang/" + language + ".rc");
    const std::string id = std::to_string(500 + 200 * position + offset) + ",";
    std::string line;
    while (std::getline(rc, line)) {
        size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, id.size(), id) != 0) continue;
        size_t quote = line.find('"', at + id.size());
        if (quote == std::string::npos) break;
        std::string out;
        for (size_t k = quote + 1; k < line.size() && line[k] != '"'; ++k)
            out.push_back(line[k] == '\\' && k + 1 < line.size() ? line[++k] : line[k]);
        return out;
    }
    return "(missing)";
}

TEST(InstallEdition, EveryEditionMatchesItsStringTable) {
    for (int i = 0; i < 11; ++i) {
        const std::string language = kUiLanguages[i];
        SCOPED_TRACE(language);
        const InstallEdition* e = findEdition(language);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->wordListFolder, uiString(language, i, 1));
        EXPECT_EQ(e->locale, uiString(language, i, 12));
        EXPECT_EQ(e->aviDelayKey, uiString(language, i, 15));
        // File names are the same file whatever their letter case.
        EXPECT_TRUE(equalsIgnoringCase(e->settingsFile, uiString(language, i, 53)))
            << e->settingsFile;
    }
}

TEST(InstallEdition, DefaultIsRussianCyrillic) {
    const InstallEdition* e = findEdition("RussianCyr");
    ASSERT_NE(e, nullptr);
    EXPECT_STREQ(e->settingsFile, "ravidi.ini");
    EXPECT_STREQ(e->aviDelayKey, "RavidiCyrAviDelay");
    EXPECT_STREQ(e->locale, "russian");
    EXPECT_STREQ(e->wordListFolder, "language\\");
    EXPECT_EQ(findEdition("klingon"), nullptr);
    // The build installs the edition it was configured for.
    EXPECT_STREQ(installEdition().uiLanguage, NORVA_INSTALL_EDITION);
}

}  // namespace
