// Each edition's installer writes the settings file that edition's program
// reads: installed with every edition's values, the program's catalogue is
// read back from the result with that UI language's own string table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "catalogue.h"
#include "codepage.h"
#include "edition.h"
#include "files.h"
#include "settingsfile.h"
#include "testsupport.h"
#include "textcase.h"
#include "uistrings.h"

#ifndef NORVA_SOURCE_DIR
#error "the tests need the source folder for the string tables"
#endif

namespace {

const char* const kUiLanguages[] = {"english",    "french", "swedish",  "russianlat",
                                    "russiancyr", "dutch",  "italian",  "norwegian",
                                    "danish",     "german", "esperanto"};

// The UI string at an offset of one language as its string table holds it
// (UTF-8, lines such as `  1301, "language\\"`).
std::string tableString(int position, int offset) {
    const std::string language = kUiLanguages[position];
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

// The program's UI strings of one language, in its code page, as the
// program's string loader gives them.
int uiPosition = 0;
std::string programUiString(int offset) {
    int codePage = codePageOfCharset(std::atoi(tableString(uiPosition, 13).c_str()));
    std::string text;
    utf8ToCodePage(tableString(uiPosition, offset), codePage, text);
    return text;
}

LanguageEntry entry(const std::string& name, const std::string& longName,
                    const std::string& uiName) {
    LanguageEntry e;
    e.name = name;
    e.locale = "english";
    e.charset = "0";
    e.longName = longName;
    e.fromList = longName + "_" + uiName + ".wb";
    e.toList = uiName + "_" + longName + ".wb";
    return e;
}

TEST(InstallEdition, EveryEditionsProgramReadsWhatItsInstallerWrote) {
    for (int position = 0; position < 11; ++position) {
        SCOPED_TRACE(kUiLanguages[position]);
        test::ScratchFolder folder;
        const InstallEdition* edition = findEdition(kUiLanguages[position]);
        ASSERT_NE(edition, nullptr);
        uiPosition = position;
        UiStringLoader previous = setUiStringLoader(programUiString);
        const std::string uiName = programUiString(52);
        EXPECT_EQ(edition->wordListFolder, programUiString(1));
        EXPECT_EQ(edition->locale, programUiString(12));
        EXPECT_EQ(edition->aviDelayKey, programUiString(15));

        // Two pairs, the second sorted before the first.
        const LanguageEntry zulu = entry("German", "Zulu", uiName);
        const LanguageEntry alpha = entry("French", "Alpha", uiName);
        ASSERT_EQ(createSettingsIfMissing(*edition, zulu.fromList), nullptr);
        for (const LanguageEntry& e : {zulu, alpha}) {
            ASSERT_EQ(removePairItems(*edition, e.longName), nullptr);
            ASSERT_EQ(addPairItem(*edition, e), nullptr);
        }
        ASSERT_EQ(countPairItems(*edition), 2);
        ASSERT_EQ(sortPairItems(*edition), nullptr);

        // The name as the program spells it: Windows finds the file by either
        // letter case, this file system only by the one it was written in.
        const std::string settingsFile = settingsFileName();
        ASSERT_TRUE(equalsIgnoringCase(edition->settingsFile, settingsFile)) << settingsFile;
        if (settingsFile != edition->settingsFile) {
            ASSERT_TRUE(replaceFile(edition->settingsFile, settingsFile));
        }

        ASSERT_EQ(loadCatalogue(), 0);
        ASSERT_EQ(catalogue.size, 4);
        EXPECT_STREQ(catalogueEntry(0)->longDictFile, alpha.fromList.c_str());
        EXPECT_STREQ(catalogueEntry(3)->longDictFile, zulu.toList.c_str());
        ASSERT_EQ(loadSelection(), 0);
        EXPECT_EQ(currentPair(), catalogueEntry(1));  // the first pair installed
        clearCatalogue();
        setUiStringLoader(previous);
    }
}

TEST(InstallEdition, TheBuildInstallsItsOwnEdition) {
    const InstallEdition* e = findEdition("RussianCyr");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->settingsFile, "ravidi.ini");  // in small letters, as always written
    EXPECT_EQ(e->codePage, 1251);
    EXPECT_EQ(findEdition("esperanto")->codePage, 28593);
    EXPECT_EQ(findEdition("klingon"), nullptr);
    EXPECT_EQ(installEdition().uiLanguage, NORVA_INSTALL_EDITION);
}

}  // namespace
