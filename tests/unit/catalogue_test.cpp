// The catalogue: pairs derived from [language], the [selected] choice, the
// rewrite of the settings file, and the command line.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "commandline.h"
#include "files.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

class CatalogueTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void TearDown() override { clearCatalogue(); }
    void settings(const std::string& text) { test::writeBytes("dict.ini", text); }
    static std::string installerLayout(const std::string& selected, const std::string& items) {
        return "# --- dict.ini ------------\n\n[AddNew]\non\n\n[selected]\n" + selected +
               "\n\n[language]\n" + items + "\n# --- EOF ---\n";
    }
    std::vector<std::string> names() {
        std::vector<std::string> v;
        for (LanguagePair* p = catalogue.head; p; p = p->next)
            v.push_back(std::string(p->name) + "-" + p->toName);
        return v;
    }
};

TEST_F(CatalogueTest, ForwardThenReverseEntries) {
    settings(installerLayout("Fre_Eng.wb", "French,french,0\nRussian,russian,204"));
    ASSERT_EQ(loadCatalogue(), 0);
    EXPECT_EQ(catalogue.size, 4);
    EXPECT_EQ(names(), (std::vector<std::string>{"French-English", "Russian-English",
                                                 "English-French", "English-Russian"}));
    const char* files[] = {"Fre_Eng.wb", "Rus_Eng.wb", "Eng_Fre.wb", "Eng_Rus.wb"};
    for (int k = 0; k < 4; ++k) EXPECT_STREQ(catalogueEntry(k)->shortDictFile, files[k]);
    EXPECT_STREQ(catalogueEntry(3)->shortListFile, "Eng_Rus.ls");
    EXPECT_EQ(catalogueEntry(1)->headwordCharset, 204);
    EXPECT_EQ(catalogueEntry(1)->translationCharset, 0);
    EXPECT_EQ(catalogueEntry(3)->headwordCharset, 0);
    EXPECT_EQ(catalogueEntry(3)->translationCharset, 204);
    EXPECT_STREQ(catalogueEntry(1)->locale, "russian");
    EXPECT_STREQ(catalogueEntry(3)->locale, "english");
    EXPECT_STREQ(catalogueEntry(0)->fromIcon, "Fre.ico");
    EXPECT_STREQ(catalogueEntry(0)->toIcon, "Eng.ico");
    EXPECT_STREQ(catalogueEntry(2)->fromIcon, "Eng.ico");
    EXPECT_STREQ(catalogueEntry(2)->toIcon, "Fre.ico");
    EXPECT_EQ(currentPair(), catalogueEntry(2));  // first reverse entry
    EXPECT_EQ(catalogueEntry(4), nullptr);
}

TEST_F(CatalogueTest, LongNameGivesLongFilesAndReverseSortTable) {
    test::makeFolders("tables");
    test::writeBytes("tables\\English.stb", std::string(256, 'x'));
    settings(installerLayout("x", "Russian,russian,204,Russkij"));
    ASSERT_EQ(loadCatalogue(), 0);
    const LanguagePair& fwd = *catalogueEntry(0);
    const LanguagePair& rev = *catalogueEntry(1);
    EXPECT_STREQ(fwd.name, "Russkij");
    EXPECT_STREQ(fwd.longDictFile, "Russkij_English.wb");
    EXPECT_STREQ(fwd.longListFile, "Russkij_English.ls");
    EXPECT_STREQ(fwd.longFromIcon, "Russkij.ico");
    EXPECT_STREQ(fwd.longToIcon, "English.ico");
    EXPECT_STREQ(fwd.shortDictFile, "Rus_Eng.wb");
    EXPECT_EQ(fwd.hasSortTable, 0);
    EXPECT_STREQ(rev.name, "English");
    EXPECT_STREQ(rev.toName, "Russkij");
    EXPECT_STREQ(rev.longDictFile, "English_Russkij.wb");
    EXPECT_STREQ(rev.longListFile, "English_Russkij.ls");
    EXPECT_STREQ(rev.longFromIcon, "English.ico");
    EXPECT_STREQ(rev.longToIcon, "Russkij.ico");
    EXPECT_STREQ(rev.longName, "Russkij");
    EXPECT_EQ(rev.hasSortTable, 1);  // tables\English.stb
    EXPECT_EQ(dictionaryFileName(rev), "English_Russkij.wb");
}

TEST_F(CatalogueTest, DefaultsRunsOfCommasAndRefusedItems) {
    settings("[language]\nFrench\nGerman,,,german,,0\nIt\nDutch,averyveryverylonglocalename\n");
    ASSERT_EQ(loadCatalogue(), 0);
    ASSERT_EQ(catalogue.size, 4);  // "It" and the 27-character locale are refused
    EXPECT_STREQ(catalogueEntry(0)->locale, "english");
    EXPECT_EQ(catalogueEntry(0)->headwordCharset, 0);
    EXPECT_STREQ(catalogueEntry(1)->locale, "german");
    EXPECT_EQ(catalogueEntry(1)->longName[0], '\0');
}

TEST_F(CatalogueTest, SectionRules) {
    // An empty line right after the header ends the section before any item.
    settings("[language]\n\nFrench,french,0\n");
    EXPECT_EQ(loadCatalogue(), -1);
    EXPECT_EQ(catalogue.size, 0);
    // Header case is ignored, a comment ends the section, another header does not.
    settings("[LANGUAGE]\nFrench\n[selected]\nGerman\n# end\nDutch\n");
    ASSERT_EQ(loadCatalogue(), 0);
    EXPECT_EQ(names(),
              (std::vector<std::string>{"French-English", "[selected]-English", "German-English",
                                        "English-French", "English-[selected]", "English-German"}));
}

TEST_F(CatalogueTest, MissingOrEmptyFileFails) {
    EXPECT_EQ(loadCatalogue(), -1);
    EXPECT_EQ(loadSelection(), -1);
    settings("");
    EXPECT_EQ(loadCatalogue(), -1);
}

TEST_F(CatalogueTest, CrLfFilesReadAsLfFiles) {
    settings("[language]\r\nFrench,french,0\r\n\r\n[selected]\r\nFre_Eng.wb\r\n");
    ASSERT_EQ(loadCatalogue(), 0);
    ASSERT_EQ(loadSelection(), 0);
    EXPECT_EQ(currentPair(), catalogueEntry(0));
}

TEST_F(CatalogueTest, SelectionIgnoresCaseAndUnknownNames) {
    settings(installerLayout("nothing.wb\neng_fre.WB\nFre_Eng.wb", "French,french,0"));
    ASSERT_EQ(loadCatalogue(), 0);
    ASSERT_EQ(loadSelection(), 0);
    EXPECT_EQ(currentPair(), catalogueEntry(1));  // the first known name wins
    EXPECT_EQ(catalogueEntry(1)->selected, 1);
    EXPECT_EQ(catalogueEntry(0)->selected, 0);
}

TEST_F(CatalogueTest, MissingSelectionKeepsFirstReverseEntry) {
    settings("[language]\nFrench\nGerman\n");
    ASSERT_EQ(loadCatalogue(), 0);
    ASSERT_EQ(loadSelection(), 0);
    EXPECT_EQ(currentPair(), catalogueEntry(2));
    EXPECT_EQ(catalogueEntry(2)->selected, 0);
}

TEST_F(CatalogueTest, SelectPairRewritesOnlyTheSelectedLine) {
    std::string before = installerLayout("Fre_Eng.wb", "French,french,0");
    settings(before);
    test::makeFolders("language");
    test::writeWordFile("language\\Eng_Fre.wb", {{"cat", "chat"}, {"dog", "chien"}});
    ASSERT_EQ(loadCatalogue(), 0);
    catalogue.currentPair = catalogueEntry(1);
    ASSERT_EQ(selectPair(), 0);
    std::string after = test::readBytes("dict.ini");
    std::string expected = before;
    expected.replace(expected.find("Fre_Eng.wb"), 10, "Eng_Fre.wb");
    EXPECT_EQ(after, expected);
    EXPECT_FALSE(fileExists("tmp.ini"));
    EXPECT_NE(wordStore.dictionaryFile, nullptr);
    EXPECT_EQ(wordStore.dictionaryCount, 2);
}

TEST_F(CatalogueTest, SelectPairWithoutSettingsFileStillReopensWordFiles) {
    settings("[language]\nFrench\n");
    ASSERT_EQ(loadCatalogue(), 0);
    std::filesystem::remove("dict.ini");
    test::makeFolders("language");
    test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"}});
    catalogue.currentPair = catalogueEntry(0);
    EXPECT_EQ(selectPair(), -1);
    EXPECT_FALSE(fileExists("dict.ini"));
    EXPECT_EQ(wordStore.dictionaryCount, 1);
}

TEST(SelectedLine, KeepsLineEndsAndHandlesEdges) {
    EXPECT_EQ(withSelectedLine("a\r\n[SELECTED]\r\nold\r\nb\r\n", "[selected]", 10, "new.wb"),
              "a\r\n[SELECTED]\r\nnew.wb\r\nb\r\n");
    EXPECT_EQ(withSelectedLine("[selected]\n", "[selected]", 10, "x.wb"), "[selected]\nx.wb\n");
    EXPECT_EQ(withSelectedLine("[selected]", "[selected]", 10, "x.wb"), "[selected]\nx.wb\n");
    EXPECT_EQ(withSelectedLine("[language]\nFrench\n", "[selected]", 10, "x.wb"),
              "[language]\nFrench\n");
    // Compared over the given length only.
    EXPECT_EQ(withSelectedLine("[selected] old\nfoo\n", "[selected]", 10, "x.wb"),
              "[selected] old\nx.wb\n");
}

TEST(CommandLineTest, RecordAndPairPrefix) {
    EXPECT_TRUE(parseCommandLine("record").recordMode);
    EXPECT_TRUE(parseCommandLine("RECORD").recordMode);
    EXPECT_FALSE(parseCommandLine("record now").recordMode);
    EXPECT_EQ(parseCommandLine("/wb French").pairPrefix, "French");
    EXPECT_EQ(parseCommandLine("wb Fr").pairPrefix, "Fr");
    EXPECT_EQ(parseCommandLine("//wb Rus/other").pairPrefix, "Rus");
    EXPECT_EQ(parseCommandLine("").pairPrefix, "");
    EXPECT_EQ(parseCommandLine("record").pairPrefix, "");
    EXPECT_EQ(parseCommandLine(std::string(98, 'x') + "wb French").pairPrefix, "");
}

TEST_F(CatalogueTest, PrefixChoosesAPair) {
    settings("[language]\nFrench\nRussian\n");
    ASSERT_EQ(loadCatalogue(), 0);
    catalogue.currentPair = catalogueEntry(2);  // English-French
    catalogueEntry(2)->selected = 1;
    choosePairByPrefix("Rus");
    EXPECT_EQ(currentPair(), catalogueEntry(1));
    EXPECT_EQ(catalogueEntry(1)->selected, 1);
    EXPECT_EQ(catalogueEntry(2)->selected, 0);
    catalogue.currentPair = catalogueEntry(0);  // French-English
    choosePairByPrefix("Eng");                  // its toName matches: kept
    EXPECT_EQ(currentPair(), catalogueEntry(0));
    choosePairByPrefix("xyz");
    EXPECT_EQ(currentPair(), catalogueEntry(0));
    choosePairByPrefix("eng");  // case ignored, still the current pair's toName
    EXPECT_EQ(currentPair(), catalogueEntry(0));
}

}  // namespace
