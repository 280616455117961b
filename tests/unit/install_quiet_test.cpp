// The unattended installation: its command line, its exit code and its log.
#include <gtest/gtest.h>

#include "collate.h"
#include "files.h"
#include "install_fakes.h"
#include "quietinstall.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

TEST(InstallArguments, QuietWithAFolderQuotedOrNot) {
    InstallArguments a = parseInstallArguments("/quiet /dir=c:\\norva");
    EXPECT_TRUE(a.quiet);
    EXPECT_TRUE(a.hasFolder);
    EXPECT_EQ(a.folder, "c:\\norva");
    EXPECT_TRUE(a.unknown.empty());

    a = parseInstallArguments("  /DIR=\"c:\\Program Files\\norva\\\"\t/Quiet ");
    EXPECT_TRUE(a.quiet);
    EXPECT_EQ(a.folder, "c:\\Program Files\\norva\\");
    a = parseInstallArguments("\"/dir=d:\\a b\" /quiet");
    EXPECT_EQ(a.folder, "d:\\a b");
    a = parseInstallArguments("/dir=\"\"");
    EXPECT_TRUE(a.hasFolder);
    EXPECT_EQ(a.folder, "");
}

TEST(InstallArguments, NoneOrUnknown) {
    InstallArguments a = parseInstallArguments("");
    EXPECT_FALSE(a.quiet);
    EXPECT_FALSE(a.hasFolder);
    a = parseInstallArguments("/quiet /silent");
    EXPECT_EQ(a.unknown, std::vector<std::string>{"/silent"});
    EXPECT_EQ(splitCommandLine("a \"b c\" \"\""), (std::vector<std::string>{"a", "b c", ""}));
}

class QuietInstallTest : public ::testing::Test {
   protected:
    test::ScratchFolder scratch;
    test::FakePlatform platform;
    std::string source, temp;
    void SetUp() override {
        test::makeFolders("dist");
        test::makeFolders("temp");
        source = fs::absolute("dist").string() + "\\";
        temp = fs::absolute("temp").string();
    }
    QuietReport run(const std::string& commandLine) {
        QuietReport r = runQuietInstallation(*findEdition("russiancyr"), source,
                                             parseInstallArguments(commandLine), platform, temp);
        fs::current_path(scratch.path());
        return r;
    }
};

TEST_F(QuietInstallTest, CleanInstallationExitsZeroWithoutLog) {
    test::writeBytes("dist\\install.inf", "mkdir language\r\ncopy a.txt a.txt\r\n");
    test::writeBytes("dist\\a.txt", "a");
    // The log of an earlier run that failed would tell of a failure no longer true.
    test::makeFolders("my target");
    test::writeBytes("my target\\install.log", "Input file missing\r\n");
    QuietReport r = run("/quiet \"/dir=" + fs::absolute("my target").string() + "\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(test::readBytes("my target\\a.txt"), "a");
    EXPECT_FALSE(fileExists("my target\\install.log"));
    EXPECT_FALSE(fileExists("temp\\install.log"));
}

TEST_F(QuietInstallTest, InvalidFolderIsLoggedInTheTemporaryFolder) {
    test::writeBytes("dist\\install.inf", "mkdir language\r\n");
    QuietReport r = run("/quiet /dir=" + fs::absolute("no\\such\\folder").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Invalid Directory"});
    EXPECT_EQ(test::readBytes("temp\\install.log"), "Invalid Directory\r\n");
}

TEST_F(QuietInstallTest, FatalErrorIsLoggedInTheInstallationFolder) {
    test::writeBytes("dist\\install.inf", "mkdir language\r\nmkwlist\r\n");
    QuietReport r = run("/quiet /dir=" + fs::absolute("target").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test::readBytes("target\\install.log"), "Can't open LANGUAGE.CF\r\n");
    EXPECT_EQ(r.logPath, fs::absolute("target").string() + "\\install.log");
}

TEST_F(QuietInstallTest, WarningIsLoggedButTheInstallationSucceeds) {
    test::writeBytes("dist\\install.inf",
                     "mkdir language\r\ncopy language.cf language.cf\r\n"
                     "copy F.wb language\\F.wb\r\nmkwlist\r\n");
    test::writeBytes("dist\\language.cf", "F,french,0,F\r\nF.wb\r\nT.wb\r\n");
    test::writeWordFile("dist\\F.wb", {{"chien", "dog"}});
    const bool localeKnown = setCollationLocale("russian");
    clearCollationLocale();
    QuietReport r = run("/quiet /dir=" + fs::absolute("target").string());
    clearCollationLocale();
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(test::readRecords("target\\language\\T.wb").size(), 1u);
    if (localeKnown) {  // under Windows and Wine: a clean installation
        EXPECT_TRUE(r.messages.empty());
        EXPECT_FALSE(fileExists("target\\install.log"));
        return;
    }
    // Natively no collation locale can be set: the window would have warned.
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(
        test::readBytes("target\\install.log").rfind("Error setting LOCALE\r\nSort results", 0),
        0u);
}

TEST_F(QuietInstallTest, MissingScriptOrFolderOption) {
    QuietReport r = run("/quiet /dir=" + fs::absolute("dist").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Can't open INSTALL.INF"});
    EXPECT_EQ(test::readBytes("dist\\install.log"),
              "Can't open INSTALL.INF\r\n");  // the folder exists

    r = run("/quiet");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Usage: install.exe /quiet /dir=PATH"});
    EXPECT_EQ(test::readBytes("temp\\install.log"), "Usage: install.exe /quiet /dir=PATH\r\n");
}

}  // namespace
