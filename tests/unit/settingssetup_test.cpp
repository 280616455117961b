// The installer's settings-file steps and language.cf.
#include <gtest/gtest.h>

#include "settingssetup.h"
#include "textcase.h"

namespace {

bool foldedLess(const std::string& a, const std::string& b) {
    return compareFoldingAZ(a.c_str(), b.c_str()) < 0;
}

const char* const kTwelveLines =
    "# --- Ravidi.ini --------------------------------------------------\n"
    "\n[AddNew]\non\n\n[selected]\nFrench_English.wb\n\n[language]\n\n\n"
    "# --- EOF --------------------------------------------------------\n";

TEST(SettingsSetup, OneEntryIntoANewSettingsFile) {
    std::string settings = initialSettings("Ravidi.ini", "French_English.wb");
    EXPECT_EQ(settings, kTwelveLines);
    settings = withoutPairItems(settings, "French");
    settings = withPairItem(settings, "French,french,0,French");
    EXPECT_EQ(settings,
              "# --- Ravidi.ini --------------------------------------------------\n"
              "\n[AddNew]\non\n\n[selected]\nFrench_English.wb\n\n[language]\n"
              "French,french,0,French\n\n\n"
              "# --- EOF --------------------------------------------------------\n");
    EXPECT_EQ(countPairItemsIn(settings), 1);
}

TEST(SettingsSetup, ReinstallingInAnotherCaseLeavesOneItem) {
    std::string settings = withPairItem(initialSettings("Ravidi.ini", "x"), "French,french,0,French");
    settings = withPairItem(withoutPairItems(settings, "FRENCH"), "French,french,0,FRENCH");
    EXPECT_EQ(countPairItemsIn(settings), 1);
    EXPECT_NE(settings.find("French,french,0,FRENCH\n"), std::string::npos);
    EXPECT_EQ(settings.find("French,french,0,French\n"), std::string::npos);
}

TEST(SettingsSetup, ItemsSortedByKeyAndWhatFollowsTheSectionDropped) {
    std::string settings = initialSettings("Ravidi.ini", "B_English.wb");
    settings = withPairItem(settings, "Bbb,english,0,B");
    settings = withPairItem(settings, "Aaa,english,0,a");
    EXPECT_EQ(countPairItemsIn(settings), 2);
    settings += "\n[other]\nkept?\n";
    std::string sorted = withSortedPairItems(settings, foldedLess);
    EXPECT_EQ(sorted,
              "# --- Ravidi.ini --------------------------------------------------\n"
              "\n[AddNew]\non\n\n[selected]\nB_English.wb\n\n[language]\n"
              "Aaa,english,0,a\nBbb,english,0,B\n\n"
              "# --- EOF --------------------------------------------------------\n");
}

TEST(SettingsSetup, KeysAndLinesThatAreNoItems) {
    EXPECT_EQ(pairItemKey("French,french,0,Francais"), "Francais");
    EXPECT_EQ(pairItemKey("French,,french"), "French");
    // A line without a comma is never removed, even if it reads like the key.
    EXPECT_EQ(withoutPairItems("French\nFrench,x\n", "French"), "French\n");
    // A settings file without [language] receives no item.
    EXPECT_EQ(withPairItem("[selected]\nx\n", "A,b,c,D"), "[selected]\nx\n");
    EXPECT_EQ(countPairItemsIn("[LANGUAGE]\na\nb\n# end\nc\n"), 2);
}

TEST(LanguageList, EntriesOfThreeLinesWithCommentsBetween) {
    std::vector<LanguageEntry> entries;
    std::string error;
    ASSERT_TRUE(parseLanguageList("# pairs\r\nFrench,french,,0,,French\r\n\r\n# from\r\n"
                                  "French_English.wb\r\nEnglish_French.wb\r\n"
                                  "Russian,russian,204,Russkij\nRusskij_English.wb\nEnglish_Russkij.wb\n",
                                  entries, error));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].item(), "French,french,0,French");
    EXPECT_EQ(entries[0].fromList, "French_English.wb");
    EXPECT_EQ(entries[0].toList, "English_French.wb");
    EXPECT_EQ(entries[1].charset, "204");
}

TEST(LanguageList, BrokenEntriesAreRefusedWithTheirName) {
    std::vector<LanguageEntry> entries;
    std::string error;
    EXPECT_FALSE(parseLanguageList("French,french,0\na.wb\nb.wb\n", entries, error));
    EXPECT_NE(error.find("French,french,0"), std::string::npos);
    EXPECT_FALSE(parseLanguageList("French,french,0,French\na.wb\n", entries, error));
    EXPECT_NE(error.find("word list"), std::string::npos);
    EXPECT_TRUE(parseLanguageList("", entries, error));
    EXPECT_TRUE(entries.empty());
}

}  // namespace

// On disk: language.cf processed into reverse lists and settings items.
#include "files.h"
#include "settingsfiles.h"
#include "testsupport.h"

namespace {

TEST(LanguageListOnDisk, EntriesBuildListsAndSettings) {
    test::ScratchFolder folder;
    test::makeFolders("language");
    test::writeWordFile("language\\Bbb_English.wb", {{"b-word", "bee, bea"}});
    test::writeWordFile("language\\Aaa_English.wb", {{"a-word", "ay"}});
    test::writeBytes("language.cf",
                     "# pairs\r\nBbb,english,0,Bbb\r\nBbb_English.wb\r\nEnglish_Bbb.wb\r\n"
                     "Aaa,english,0,Aaa\r\nAaa_English.wb\r\nEnglish_Aaa.wb\r\n");
    const Edition& edition = editionNamed("english");
    LanguageListProgress progress;
    std::string error;
    ASSERT_TRUE(processLanguageList(edition, progress, error)) << error;
    EXPECT_FALSE(fileExists("language.cf"));
    EXPECT_EQ(test::readRecords("language\\English_Bbb.wb").size(), 2u);
    EXPECT_EQ(countPairItems("dict.ini"), 2);
    ASSERT_TRUE(sortPairItems("dict.ini", error));
    std::string settings = test::readBytes("dict.ini");
    EXPECT_NE(settings.find("[selected]\r\nBbb_English.wb\r\n"), std::string::npos);
    EXPECT_NE(settings.find("[language]\r\nAaa,english,0,Aaa\r\nBbb,english,0,Bbb\r\n\r\n# --- EOF"),
              std::string::npos);
    EXPECT_FALSE(fileExists("tmp.ini"));
    // A second run without language.cf is the fatal "Can't open LANGUAGE.CF".
    EXPECT_FALSE(processLanguageList(edition, progress, error));
    EXPECT_EQ(error, "Can't open LANGUAGE.CF");
}

TEST(LanguageListOnDisk, MissingFromListIsFatal) {
    test::ScratchFolder folder;
    test::makeFolders("language");
    test::writeBytes("language.cf", "Ccc,english,0,Ccc\nCcc_English.wb\nEnglish_Ccc.wb\n");
    LanguageListProgress progress;
    std::string error;
    EXPECT_FALSE(processLanguageList(editionNamed("english"), progress, error));
    EXPECT_EQ(error, "Input file missing");
    EXPECT_EQ(countPairItems("nothing.ini"), -1);
    EXPECT_STREQ(editionNamed("RUSSIANCYR").settingsFile, "ravidi.ini");
    EXPECT_STREQ(editionNamed("klingon").aviDelayKey, "RavidiCyrAviDelay");
}

}  // namespace
