// install.inf: keywords matched by prefix in table order ignoring case,
// values with their blanks, comments, pieces of 99 characters, and lines
// whose operands are missing.
#include <gtest/gtest.h>

#include "installscript.h"
#include "testsupport.h"

namespace {

ScriptSettings settingsOf(const std::vector<std::string>& lines) {
    ScriptSettings s;
    for (const std::string& line : lines) applySettingsLine(line, s);
    return s;
}

// The commands of a script text, one line each: kind, value, first, second.
std::vector<std::string> commandsOf(const std::string& script) {
    test::writeBytes("install.inf", script);
    std::vector<std::string> out;
    EXPECT_TRUE(runScriptCommands("install.inf", [&](const ScriptCommand& c) {
        out.push_back(std::to_string(static_cast<int>(c.kind)) + "|" + c.value + "|" + c.first +
                      "|" + c.second);
    }));
    return out;
}

std::string cmd(ScriptCommandKind kind, const std::string& value, const std::string& first = "",
                const std::string& second = "") {
    return std::to_string(static_cast<int>(kind)) + "|" + value + "|" + first + "|" + second;
}

TEST(InstallScriptSettings, DefaultsWithoutKeywords) {
    ScriptSettings s = settingsOf({"mkdir x", "copy a b"});
    EXPECT_EQ(s.title, "norva " NORVA_VERSION);
    EXPECT_EQ(s.defaultFolder, "c:\\");
    EXPECT_EQ(s.shortcutArguments, "");
    EXPECT_TRUE(s.statusLinesOn);
}

TEST(InstallScriptSettings, ValuesKeepTheirBlanksAndKeywordsIgnoreCase) {
    ScriptSettings s = settingsOf(
        {"title Russkij  slovar ", "DIR c:\\Program Files\\norva", "WbArg wb Russkij", "debug 0"});
    EXPECT_EQ(s.title, "Russkij  slovar ");
    EXPECT_EQ(s.defaultFolder, "c:\\Program Files\\norva");
    EXPECT_EQ(s.shortcutArguments, "wb Russkij");
    EXPECT_FALSE(s.statusLinesOn);
    // The value is everything after the first blank, further blanks included.
    EXPECT_EQ(settingsOf({"title  two"}).title, " two");
}

TEST(InstallScriptSettings, DebugIsOffOnlyForExactlyZero) {
    EXPECT_TRUE(settingsOf({"debug 1"}).statusLinesOn);
    EXPECT_TRUE(settingsOf({"debug 00"}).statusLinesOn);
    EXPECT_TRUE(settingsOf({"debug 0 "}).statusLinesOn);
    EXPECT_FALSE(settingsOf({"debug 1", "debug 0"}).statusLinesOn);  // the last line wins
}

TEST(InstallScriptSettings, PrefixMatchCommentsAndLinesWithoutValue) {
    EXPECT_EQ(settingsOf({"directory d:\\x"}).defaultFolder, "d:\\x");  // begins with "dir"
    EXPECT_EQ(settingsOf({"#title nothing"}).title, kDefaultTitle);
    EXPECT_EQ(settingsOf({"title"}).title, kDefaultTitle);   // no blank: no value, ignored
    EXPECT_EQ(settingsOf({"title "}).title, kDefaultTitle);  // nothing after the blank
    EXPECT_EQ(settingsOf({"dir"}).defaultFolder, "c:\\");
    EXPECT_TRUE(settingsOf({"debug"}).statusLinesOn);
    EXPECT_EQ(settingsOf({" title x"}).title, kDefaultTitle);  // a keyword must begin the line
}

TEST(InstallScriptSettings, MissingScriptFile) {
    test::ScratchFolder folder;
    ScriptSettings s;
    EXPECT_FALSE(readScriptSettings("install.inf", s));
}

TEST(InstallScriptCommands, EveryCommandWithItsOperands) {
    test::ScratchFolder folder;
    using K = ScriptCommandKind;
    auto got = commandsOf(
        "# a comment\r\n\r\nmkdir language\r\niconname Russkij Slovar\r\navidelay 3\r\n"
        "icongroup Slovari\r\niconexe norva.exe\r\ndisplay readme.txt\r\nmkwlist\r\n"
        "copy norva.ex_ norva.exe\r\nxcopy *.hlp help\r\nsndcopy snd sound\\rus\r\n");
    EXPECT_EQ(got,
              (std::vector<std::string>{
                  cmd(K::MakeFolder, "language"), cmd(K::IconName, "Russkij Slovar"),
                  cmd(K::AviDelay, "3"), cmd(K::IconGroup, "Slovari"), cmd(K::IconExe, "norva.exe"),
                  cmd(K::Display, "readme.txt"), cmd(K::MakeWordLists, ""),
                  cmd(K::Copy, "", "norva.ex_", "norva.exe"), cmd(K::XCopy, "", "*.hlp", "help"),
                  cmd(K::SndCopy, "", "snd", "sound\\rus")}));
}

TEST(InstallScriptCommands, CaseAndPrefixInTableOrder) {
    test::ScratchFolder folder;
    using K = ScriptCommandKind;
    auto got = commandsOf(
        "MKDIR a\nmkdirs b\nCopyAll x y\nXCOPY *.* z\nicongroupX g\nmkwlist now\n#copy c d\n"
        "title not a command\ndir c:\\x\ncopying one two three\n");
    EXPECT_EQ(got, (std::vector<std::string>{
                       cmd(K::MakeFolder, "a"), cmd(K::MakeFolder, "b"), cmd(K::Copy, "", "x", "y"),
                       cmd(K::XCopy, "", "*.*", "z"), cmd(K::IconGroup, "g"),
                       cmd(K::MakeWordLists, ""), cmd(K::Copy, "", "one", "two")}));
}

TEST(InstallScriptCommands, MissingOperandsAreIgnored) {
    test::ScratchFolder folder;
    auto got = commandsOf(
        "copy\ncopy onlyone\nxcopy *.txt\nsndcopy snd\nmkdir\nmkdir \niconname\n"
        "avidelay\nicongroup\niconexe\ndisplay\n");
    EXPECT_TRUE(got.empty());
}

TEST(InstallScriptCommands, BlanksAndTabsSeparateWords) {
    test::ScratchFolder folder;
    auto got = commandsOf("copy   a.txt\t\tb.txt  extra\n");
    EXPECT_EQ(got, (std::vector<std::string>{cmd(ScriptCommandKind::Copy, "", "a.txt", "b.txt")}));
}

TEST(InstallScriptCommands, LongLinesAreReadInPiecesOfNinetyNine) {
    test::ScratchFolder folder;
    // 99 characters of a mkdir line, then the rest of the line as a line of its own.
    std::string first = "mkdir " + std::string(93, 'a');
    auto got = commandsOf(first + "copy x y\n");
    EXPECT_EQ(got,
              (std::vector<std::string>{cmd(ScriptCommandKind::MakeFolder, std::string(93, 'a')),
                                        cmd(ScriptCommandKind::Copy, "", "x", "y")}));
}

TEST(InstallScriptCommands, MissingScriptFile) {
    test::ScratchFolder folder;
    EXPECT_FALSE(runScriptCommands("install.inf", [](const ScriptCommand&) {}));
}

TEST(InstallScriptWords, ValueAndWords) {
    std::string v;
    EXPECT_TRUE(lineValue("a b c", v));
    EXPECT_EQ(v, "b c");
    EXPECT_FALSE(lineValue("abc", v));
    EXPECT_EQ(lineWords("  a  b\tc "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(lineWords("").empty());
}

}  // namespace
