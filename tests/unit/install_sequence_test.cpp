// The installation Start runs, on prepared distributions: the folder check,
// the script's commands in order, the word lists and the settings file, the
// sort, the shortcut, and the failures that end it.
#include <gtest/gtest.h>

#include <algorithm>

#include "collate.h"
#include "files.h"
#include "install_fakes.h"
#include "installsequence.h"
#include "settingsfile.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader =
    "# --- ravidi.ini --------------------------------------------------\r\n";
const std::string kEnd = "# --- EOF --------------------------------------------------------\r\n";

// Whether the platform knows the collation locale of the edition.
bool russianCollation() {
    bool known = setCollationLocale("russian");
    clearCollationLocale();
    return known;
}

class InstallSequenceTest : public ::testing::Test {
   protected:
    test::ScratchFolder scratch;
    test::FakePlatform platform;
    test::RecordingView view;
    ScriptSettings settings;
    const InstallEdition& edition = *findEdition("russiancyr");
    std::string source;  // the distribution folder, with its "\"
    std::string target;  // the installation folder as typed

    void SetUp() override {
        test::makeFolders("dist");
        source = fs::absolute("dist").string() + "\\";
        target = fs::absolute("target").string();
    }
    void TearDown() override { clearCollationLocale(); }
    void script(const std::string& text) { test::writeBytes("dist\\install.inf", text); }
    void distFile(const std::string& name, const std::string& bytes) {
        test::writeBytes("dist\\" + name, bytes);
    }
    InstallOutcome install(const std::string& folder) {
        InstallContext context{edition, settings, source, platform, view};
        InstallOutcome outcome = runInstallation(context, folder);
        fs::current_path(
            scratch.path());  // the installation leaves the current folder in the target
        return outcome;
    }
    std::string installed(const std::string& name) { return test::readBytes("target\\" + name); }
    // A pair whose FROM list is distributed and copied by the script.
    void pair(const std::string& line1, const std::string& from,
              const std::vector<test::Entry>& words, const std::string& to) {
        test::writeWordFile("dist\\" + from, words);
        cf += line1 + "\r\n" + from + "\r\n" + to + "\r\n";
        copies += "copy " + from + " language\\" + from + "\r\n";
    }
    void writeLanguageScript(const std::string& extra = "") {
        distFile("language.cf", cf);
        script("mkdir language\r\ncopy language.cf language.cf\r\n" + copies + "mkwlist\r\n" +
               extra);
    }
    std::string cf, copies;
};

TEST_F(InstallSequenceTest, WholeInstallation) {
    settings.shortcutArguments = "wb Angliyskiy";
    distFile("readme.txt", "plain text\r\n");
    distFile("a.hlp", "help a");
    distFile("b.HLP", "help b");
    distFile("c.txt", "not help");
    test::makeFolders("dist\\snd");
    test::writeBytes("dist\\snd\\one.wav", "RIFF one");
    test::writeBytes("dist\\snd\\two.wav", "RIFF two");
    pair("English,english,0,Angliyskiy", "Angliyskiy_Russkij.wb",
         {{"dog", "sobaka, pes"}, {"hound", "sobaka"}}, "Russkij_Angliyskiy.wb");
    writeLanguageScript(
        "# the program\r\nmkdir help\r\nmkdir sound\r\nmkdir sound\\eng\r\ncopy readme.txt "
        "readme.txt\r\n"
        "xcopy *.hlp help\r\nsndcopy snd sound\\eng\r\navidelay 7\r\niconname Slovar\r\n"
        "icongroup Ravidi\r\niconexe norva.exe\r\n");

    InstallOutcome outcome = install(target);
    ASSERT_EQ(outcome.status, InstallStatus::Done) << outcome.error;
    EXPECT_EQ(outcome.installFolder, target + "\\");

    EXPECT_EQ(installed("readme.txt"), "plain text\r\n");
    EXPECT_EQ(installed("help\\a.hlp"), "help a");
    EXPECT_EQ(installed("help\\b.HLP"), "help b");
    EXPECT_FALSE(fileExists("target\\help\\c.txt"));
    EXPECT_EQ(installed("sound\\eng\\one.wav"), "RIFF one");
    EXPECT_EQ(installed("sound\\eng\\two.wav"), "RIFF two");
    EXPECT_EQ(platform.introDelays, std::vector<std::string>{"RavidiCyrAviDelay=7"});

    // The reverse list, the settings file, and language.cf gone.
    std::vector<test::Entry> reversed;
    for (const WordRecord& r : test::readRecords("target\\language\\Russkij_Angliyskiy.wb"))
        reversed.push_back({headwordOf(r), translationOf(r)});
    EXPECT_EQ(reversed, (std::vector<test::Entry>{{"pes", "dog"}, {"sobaka", "dog, hound"}}));
    EXPECT_FALSE(fileExists("target\\language\\temp.wb"));
    EXPECT_EQ(installed("ravidi.ini"),
              kHeader +
                  "\r\n[AddNew]\r\non\r\n\r\n[selected]\r\nAngliyskiy_Russkij.wb\r\n"
                  "\r\n[language]\r\nEnglish,english,0,Angliyskiy\r\n\r\n\r\n" +
                  kEnd);
    EXPECT_FALSE(fileExists("target\\language.cf"));
    EXPECT_FALSE(fileExists("target\\tmp.ini"));

    ASSERT_EQ(platform.shortcuts.size(), 1u);
    const ShortcutSpec& s = platform.shortcuts[0];
    EXPECT_EQ(s.name, "Slovar");
    EXPECT_EQ(s.group, "Ravidi");
    EXPECT_EQ(s.target, target + "\\norva.exe");
    EXPECT_EQ(s.arguments, "wb Angliyskiy");
    EXPECT_EQ(s.workingFolder, target + "\\");
}

TEST_F(InstallSequenceTest, StepsInOrder) {
    pair("English,english,0,Angliyskiy", "Angliyskiy_Russkij.wb", {{"dog", "sobaka"}},
         "Russkij_Angliyskiy.wb");
    writeLanguageScript();
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    const std::string t = target + "\\";
    std::vector<std::string> expected = {"copying",
                                         "target " + t + "language.cf",
                                         "target " + t + "language\\Angliyskiy_Russkij.wb",
                                         "copied",
                                         "locale warning",
                                         "settings file",
                                         "pair Angliyskiy",
                                         "bar 0",
                                         "Reading FROM wordlist",
                                         "bar 10",
                                         "Done.",
                                         "bar 25",
                                         "Writing TEMP wordlist",
                                         "Done.",
                                         "bar 50",
                                         "Reading TO wordlist",
                                         "Done.",
                                         "Sorting TO wordlist",
                                         "Done.",
                                         "bar 75",
                                         "Writing TO wordlist",
                                         "Done.",
                                         "bar 100",
                                         "finished Install Finished "};
    // Where "russian" cannot be put in force (natively), the warning comes
    // first and the sort folds A-Z.
    if (russianCollation()) expected.erase(expected.begin() + 4);
    EXPECT_EQ(view.events, expected);
    EXPECT_GT(view.counters, 0);
}

TEST_F(InstallSequenceTest, FolderIsMadeOneLevelDeepOnly) {
    script("mkdir x\r\n");
    InstallOutcome outcome = install(target + "\\deeper");
    EXPECT_EQ(outcome.status, InstallStatus::InvalidFolder);
    EXPECT_EQ(outcome.error, "Invalid Directory");
    EXPECT_TRUE(view.events.empty());  // nothing happened: the user may correct the field
    EXPECT_FALSE(folderExists("target"));
    EXPECT_EQ(install("").status, InstallStatus::InvalidFolder);

    EXPECT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_TRUE(folderExists("target\\x"));
}

TEST_F(InstallSequenceTest, FolderTheProgramCannotWriteInIsRefusedBeforeAnyCopy) {
    script("mkdir x\r\ncopy a.txt a.txt\r\navidelay 100\r\n");
    distFile("a.txt", "a");
    platform.refuseWrites = true;
    InstallOutcome outcome = install(target);
    EXPECT_EQ(outcome.status, InstallStatus::InvalidFolder);
    EXPECT_EQ(outcome.error.rfind("Invalid Directory\n\n", 0), 0u);
    EXPECT_TRUE(view.events.empty());  // the user may choose another folder
    EXPECT_TRUE(platform.copies.empty());
    EXPECT_TRUE(platform.introDelays.empty());
    EXPECT_FALSE(folderExists("target\\x"));
}

TEST_F(InstallSequenceTest, RelativeFolderIsTakenFromTheCurrentFolder) {
    script("mkdir x\r\n");
    InstallOutcome outcome = install("target");
    ASSERT_EQ(outcome.status, InstallStatus::Done);
    EXPECT_EQ(outcome.installFolder, target + "\\");
    EXPECT_TRUE(folderExists("target\\x"));
    // What was typed is resolved with its trailing "\": "d:" is that drive's
    // root, never the folder current on it.
    install("d:");
    EXPECT_EQ(platform.fullPathsAsked, (std::vector<std::string>{"target\\", "d:\\"}));
}

TEST_F(InstallSequenceTest, CopyIntoAFolderNotMadeFailsSilently) {
    distFile("a.txt", "a");
    script("copy a.txt missing\\a.txt\r\ncopy a.txt a.txt\r\ncopy nothing.txt b.txt\r\n");
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_FALSE(fileExists("target\\missing\\a.txt"));
    EXPECT_EQ(installed("a.txt"), "a");
    EXPECT_FALSE(fileExists("target\\b.txt"));
    EXPECT_TRUE(view.saw("target " + target + "\\missing\\a.txt"));
}

TEST_F(InstallSequenceTest, NoShortcutWithoutIconName) {
    script("icongroup Ravidi\r\niconexe norva.exe\r\n");
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_TRUE(platform.shortcuts.empty());
    script("iconname Slovar\r\n");
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    ASSERT_EQ(platform.shortcuts.size(), 1u);
    EXPECT_EQ(platform.shortcuts[0].group, "");  // the Programs folder itself
    EXPECT_EQ(platform.shortcuts[0].target, target + "\\");
}

TEST_F(InstallSequenceTest, TwoPairsSortedSelectedFromTheFirst) {
    pair("Zulu,english,0,B-lang", "B-lang_Russkij.wb", {{"b", "bb"}}, "Russkij_B-lang.wb");
    pair("Alpha,english,0,A-lang", "A-lang_Russkij.wb", {{"a", "aa"}}, "Russkij_A-lang.wb");
    writeLanguageScript("display closing.txt\r\ncopy closing.txt closing.txt\r\n");
    distFile("closing.txt", std::string("Thank you\r\n\0ignored", 20));
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_EQ(installed("ravidi.ini"),
              kHeader +
                  "\r\n[AddNew]\r\non\r\n\r\n[selected]\r\nB-lang_Russkij.wb\r\n"
                  "\r\n[language]\r\nAlpha,english,0,A-lang\r\nZulu,english,0,B-lang\r\n"
                  "\r\n" +
                  kEnd);
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "finished Thank you\r\n"), 2);
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "settings file"), 1);
    EXPECT_EQ(test::readRecords("target\\language\\Russkij_A-lang.wb").size(), 1u);
    EXPECT_EQ(test::readRecords("target\\language\\Russkij_B-lang.wb").size(), 1u);
}

TEST_F(InstallSequenceTest, ReinstallKeepsOtherPairsAndReplacesItsItem) {
    test::makeFolders("target");
    test::writeBytes("target\\ravidi.ini",
                     "[AddNew]\r\non\r\n\r\n[selected]\r\nOld.wb\r\n\r\n[language]\r\n"
                     "Zz,german,0,Nemetskiy\r\nenglish,english,0,ANGLIYSKIY\r\n\r\n"
                     "[extra]\r\ndropped by the sort\r\n");
    pair("English,english,0,Angliyskiy", "Angliyskiy_Russkij.wb", {{"dog", "sobaka"}},
         "Russkij_Angliyskiy.wb");
    writeLanguageScript();
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_EQ(installed("ravidi.ini"),
              "[AddNew]\r\non\r\n\r\n[selected]\r\nOld.wb\r\n\r\n[language]\r\n"
              "English,english,0,Angliyskiy\r\nZz,german,0,Nemetskiy\r\n\r\n" +
                  kEnd);
}

TEST_F(InstallSequenceTest, SectionIsSortedAlsoWithoutWordLists) {
    test::makeFolders("target");
    test::writeBytes("target\\ravidi.ini", "[language]\r\nB,b,0,B\r\nA,a,0,A\r\n\r\n");
    script("mkdir x\r\n");
    ASSERT_EQ(install(target).status, InstallStatus::Done);
    EXPECT_EQ(installed("ravidi.ini"), "[language]\r\nA,a,0,A\r\nB,b,0,B\r\n\r\n" + kEnd);
}

TEST_F(InstallSequenceTest, ScriptGoneAtStart) {
    InstallOutcome outcome = install(target);
    EXPECT_EQ(outcome.status, InstallStatus::Fatal);
    EXPECT_EQ(outcome.error, "Can't open INSTALL.INF");
}

TEST_F(InstallSequenceTest, WordListsWithoutLanguageCf) {
    script("mkwlist\r\n");
    InstallOutcome outcome = install(target);
    EXPECT_EQ(outcome.status, InstallStatus::Fatal);
    EXPECT_EQ(outcome.error, "Can't open LANGUAGE.CF");
}

TEST_F(InstallSequenceTest, MissingFromListEndsTheInstallation) {
    cf = "English,english,0,Angliyskiy\r\nAngliyskiy_Russkij.wb\r\nRusskij_Angliyskiy.wb\r\n";
    writeLanguageScript("iconname Slovar\r\n");
    InstallOutcome outcome = install(target);
    EXPECT_EQ(outcome.status, InstallStatus::Fatal);
    EXPECT_EQ(outcome.error, "Input file missing");
    EXPECT_TRUE(fileExists("target\\ravidi.ini"));   // made before the list was read
    EXPECT_TRUE(fileExists("target\\language.cf"));  // kept for another try
    EXPECT_FALSE(fileExists("target\\language\\temp.wb"));
    EXPECT_TRUE(platform.shortcuts.empty());
}

TEST_F(InstallSequenceTest, IncompleteEntryIsReportedAfterTheWholeOnes) {
    pair("English,english,0,Angliyskiy", "Angliyskiy_Russkij.wb", {{"dog", "sobaka"}},
         "Russkij_Angliyskiy.wb");
    cf += "German,german,0\r\nx.wb\r\ny.wb\r\n";
    writeLanguageScript();
    InstallOutcome outcome = install(target);
    EXPECT_EQ(outcome.status, InstallStatus::Fatal);
    EXPECT_EQ(outcome.error, "Entry without its four fields in LANGUAGE.CF:\nGerman,german,0");
    InstallEdition installed = edition;
    installed.settingsFile = "target\\ravidi.ini";
    EXPECT_EQ(countPairItems(installed), 1);
}

TEST(ClosingText, FileUpToItsZeroByteOrTheDefault) {
    test::ScratchFolder folder;
    EXPECT_EQ(closingText(""), "Install Finished ");
    EXPECT_EQ(closingText("missing.txt"), "Install Finished ");
    test::writeBytes("t.txt", std::string("one\r\ntwo\0three", 13));
    EXPECT_EQ(closingText("t.txt"), "one\r\ntwo");
}

}  // namespace
