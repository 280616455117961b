// The settings file as the installer writes it: the new twelve-line file,
// items removed by key and added at the end of [language], counting and
// sorting the section, and the failures that stop the installation.
#include <gtest/gtest.h>

#include "files.h"
#include "settingsfile.h"
#include "testsupport.h"

namespace {

const InstallEdition& kEdition = *findEdition("russiancyr");
const std::string kIni = kEdition.settingsFile;  // "ravidi.ini"
const std::string kHeader =
    "# --- ravidi.ini --------------------------------------------------\r\n";
const std::string kEnd = "# --- EOF --------------------------------------------------------\r\n";

std::string newFile(const std::string& selected, const std::string& items,
                    const std::string& tail) {
    return kHeader + "\r\n[AddNew]\r\non\r\n\r\n[selected]\r\n" + selected +
           "\r\n\r\n[language]\r\n" + items + tail + kEnd;
}

LanguageEntry entry(const std::string& name, const std::string& longName) {
    LanguageEntry e;
    e.name = name;
    e.locale = "russian";
    e.charset = "204";
    e.longName = longName;
    e.fromList = longName + "_Russkij.wb";
    e.toList = "Russkij_" + longName + ".wb";
    return e;
}

class SettingsFileTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    std::string text() { return test::readBytes(kIni); }
};

TEST_F(SettingsFileTest, NewFileHasTwelveLines) {
    ASSERT_EQ(createSettingsIfMissing(kEdition, "English_Russkij.wb"), nullptr);
    EXPECT_EQ(text(), newFile("English_Russkij.wb", "", "\r\n\r\n"));
    EXPECT_FALSE(fileExists(kSettingsTempFile));
}

TEST_F(SettingsFileTest, ExistingFileIsLeftAsItIs) {
    const std::string old = "[selected]\nOld.wb\n\n[language]\nA,b,0,Old\n";
    test::writeBytes(kIni, old);
    ASSERT_EQ(createSettingsIfMissing(kEdition, "New.wb"), nullptr);
    EXPECT_EQ(text(), old);
}

TEST_F(SettingsFileTest, OneEntryIntoANewFile) {
    LanguageEntry e = entry("English", "Angliyskiy");
    ASSERT_EQ(createSettingsIfMissing(kEdition, e.fromList), nullptr);
    ASSERT_EQ(removePairItems(kEdition, e.longName), nullptr);
    ASSERT_EQ(addPairItem(kEdition, e), nullptr);
    // The item after the header, then the section's two empty lines.
    EXPECT_EQ(text(),
              newFile("Angliyskiy_Russkij.wb", "English,russian,204,Angliyskiy\r\n", "\r\n\r\n"));
    EXPECT_EQ(countPairItems(kEdition), 1);
}

TEST_F(SettingsFileTest, ReinstallingInAnotherLetterCaseLeavesOneItem) {
    ASSERT_EQ(createSettingsIfMissing(kEdition, "x.wb"), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("French", "Francais")), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("German", "Deutsch")), nullptr);
    ASSERT_EQ(removePairItems(kEdition, "FRANCAIS"), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("french", "FRANCAIS")), nullptr);
    EXPECT_EQ(text(),
              newFile("x.wb", "German,russian,204,Deutsch\r\nfrench,russian,204,FRANCAIS\r\n",
                      "\r\n\r\n"));
}

TEST_F(SettingsFileTest, RemoveMatchesTheKeyOfEveryLine) {
    test::writeBytes(kIni,
                     "[selected]\nKey_Russkij.wb\n\n[language]\nA,b,0,key\nA,b,0,keep\nKEY,x\nkey\n"
                     "# c,d,e,Key\nB,,c,,d,,KEY\n\n[other]\nz,Key\n");
    ASSERT_EQ(removePairItems(kEdition, "Key"), nullptr);
    // Key = fourth field, else first field, on any line (a comment too); a
    // line without a comma has none.
    EXPECT_EQ(text(),
              "[selected]\r\nKey_Russkij.wb\r\n\r\n[language]\r\nA,b,0,keep\r\nkey\r\n"
              "\r\n[other]\r\nz,Key\r\n");
}

TEST_F(SettingsFileTest, AddGoesAfterTheLastItemOfEverySection) {
    test::writeBytes(kIni, "[AddNew]\non\n\n[LANGUAGE]\nA,b,0,A\n\n[selected]\nA_x.wb\n");
    ASSERT_EQ(addPairItem(kEdition, entry("B", "B")), nullptr);
    EXPECT_EQ(text(),
              "[AddNew]\r\non\r\n\r\n[LANGUAGE]\r\nA,b,0,A\r\nB,russian,204,B\r\n\r\n[selected]"
              "\r\nA_x.wb\r\n");
}

TEST_F(SettingsFileTest, AddToASectionAtTheEndOfAFileWithoutLineEnd) {
    test::writeBytes(kIni, "[language]\nA,b,0,A");
    ASSERT_EQ(addPairItem(kEdition, entry("B", "B")), nullptr);
    // The last line gets its line end; the item never joins it.
    EXPECT_EQ(text(), "[language]\r\nA,b,0,A\r\nB,russian,204,B\r\n\r\n");
}

TEST_F(SettingsFileTest, AddToAFileWithoutLanguageSectionAppendsOne) {
    test::writeBytes(kIni, "[selected]\nx.wb\n");
    ASSERT_EQ(addPairItem(kEdition, entry("B", "B")), nullptr);
    EXPECT_EQ(text(), "[selected]\r\nx.wb\r\n[language]\r\nB,russian,204,B\r\n\r\n");
    EXPECT_EQ(countPairItems(kEdition), 1);
}

TEST_F(SettingsFileTest, CountEndsAtEmptyAndCommentLines) {
    EXPECT_EQ(countPairItems(kEdition), -1);
    test::writeBytes(kIni,
                     "[language]\na\nb\n# end\nc\n[Language]\r\nd\r\n\r\ne\n[language]x\nf\n");
    EXPECT_EQ(countPairItems(kEdition), 3);  // a, b and d
}

TEST_F(SettingsFileTest, SortOrdersByKeyAndDropsWhatFollowsTheSection) {
    ASSERT_EQ(createSettingsIfMissing(kEdition, "B_Russkij.wb"), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("Zed", "b")), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("Alpha", "C")), nullptr);
    ASSERT_EQ(addPairItem(kEdition, entry("Yes", "a")), nullptr);
    std::string withTail = text() + "[later]\r\nstays only unsorted\r\n";
    test::writeBytes(kIni, withTail);
    ASSERT_EQ(countPairItems(kEdition), 3);
    ASSERT_EQ(sortPairItems(kEdition), nullptr);
    EXPECT_EQ(text(),
              newFile("B_Russkij.wb",
                      "Yes,russian,204,a\r\nZed,russian,204,b\r\nAlpha,russian,204,C\r\n", "\r\n"));
}

TEST_F(SettingsFileTest, SortUsesTheFirstFieldWithoutALongName) {
    test::writeBytes(kIni, "[language]\nGerman,german\nDanish\nFrench,french,0,Zz\n\n");
    ASSERT_EQ(sortPairItems(kEdition), nullptr);
    EXPECT_EQ(text(), "[language]\r\nDanish\r\nGerman,german\r\nFrench,french,0,Zz\r\n\r\n" + kEnd);
}

TEST_F(SettingsFileTest, MissingSettingsFileStopsRemoveAndAdd) {
    EXPECT_STREQ(removePairItems(kEdition, "x"), settings_error::kCantOpen);
    EXPECT_STREQ(addPairItem(kEdition, entry("B", "B")), settings_error::kCantOpen);
    EXPECT_EQ(sortPairItems(kEdition), nullptr);  // nothing to sort
    EXPECT_FALSE(fileExists(kIni));
}

TEST_F(SettingsFileTest, TempFileThatCannotBeWrittenLeavesTheSettingsFileWhole) {
    const std::string old = "[language]\nA,b,0,A\nB,b,0,B\n";
    test::writeBytes(kIni, old);
    test::makeFolders(kSettingsTempFile);  // tmp.ini cannot be created
    EXPECT_STREQ(removePairItems(kEdition, "A"), settings_error::kCantOpenTemp);
    EXPECT_STREQ(addPairItem(kEdition, entry("C", "C")), settings_error::kCantOpenTemp);
    EXPECT_STREQ(sortPairItems(kEdition), settings_error::kCantOpenTemp);
    EXPECT_EQ(text(), old);
    removeFile(kIni);
    EXPECT_STREQ(createSettingsIfMissing(kEdition, "x.wb"), settings_error::kCantCreate);
}

TEST(SettingsItemKey, FourthFieldElseFirst) {
    std::string key;
    ASSERT_TRUE(pairItemKey("Russian,russian,204,Russkij", key));
    EXPECT_EQ(key, "Russkij");
    ASSERT_TRUE(pairItemKey("German,,german", key));
    EXPECT_EQ(key, "German");
    EXPECT_FALSE(pairItemKey("[language]", key));
}

}  // namespace
