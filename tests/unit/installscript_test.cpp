// install.inf: the settings of pass 1 and the commands of pass 2.
#include <gtest/gtest.h>

#include "installscript.h"

namespace {

const char* const kScript =
    "# norva, english edition\r\n"
    "TITLE Dictionary  of  norva\r\n"
    "directory d:\\programs\\norva\r\n"
    "wbarg wb French\r\n"
    "debug 0\r\n"
    "\r\n"
    "MKDIR language\r\n"
    "mkdir\r\n"
    "iconname norva\r\n"
    "avidelay 2000\r\n"
    "icongroup Dictionary\r\n"
    "iconexe norva.exe\r\n"
    "mkwlist\r\n"
    "copy norva.ex_ norva.exe\r\n"
    "copy lonely\r\n"
    "xcopy *.ico icons\r\n"
    "sndcopy sound\\French sound\\French\r\n"
    "copying is not a command\r\n"
    "unknown line\r\n";

TEST(InstallScript, PassOneSettings) {
    ScriptSettings s = readScriptSettings(kScript);
    EXPECT_EQ(s.title, "Dictionary  of  norva");  // blanks inside the value are kept
    EXPECT_EQ(s.defaultFolder, "d:\\programs\\norva");  // "directory" begins with "dir"
    EXPECT_EQ(s.shortcutArguments, "wb French");
    EXPECT_FALSE(s.statusLines);
    ScriptSettings defaults = readScriptSettings("debug 1\n");
    EXPECT_EQ(defaults.defaultFolder, "c:\\");
    EXPECT_TRUE(defaults.statusLines);
}

TEST(InstallScript, PassTwoCommandsInFileOrder) {
    std::vector<ScriptStep> steps = readScriptCommands(kScript);
    std::vector<ScriptCommand> order;
    for (const ScriptStep& s : steps) order.push_back(s.command);
    EXPECT_EQ(order, (std::vector<ScriptCommand>{
                         ScriptCommand::MkDir, ScriptCommand::IconName, ScriptCommand::AviDelay,
                         ScriptCommand::IconGroup, ScriptCommand::IconExe, ScriptCommand::MkWList,
                         ScriptCommand::Copy, ScriptCommand::XCopy, ScriptCommand::SndCopy,
                         ScriptCommand::Copy}));
    EXPECT_EQ(steps[0].value, "language");
    EXPECT_EQ(steps[2].value, "2000");
    EXPECT_EQ(steps[6].words, (std::vector<std::string>{"norva.ex_", "norva.exe"}));
    EXPECT_EQ(steps[8].words, (std::vector<std::string>{"sound\\French", "sound\\French"}));
    // "copying is not a command" begins with "copy": a copy of "is" to "not".
    EXPECT_EQ(steps[9].words[0], "is");
}

TEST(InstallScript, LongLinesAreTakenAsSeveral) {
    std::string line = "title " + std::string(150, 'x') + "\n";
    std::vector<std::string> lines = scriptLines(line + "#c\n\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 99u);
    EXPECT_EQ(lines[1], std::string(57, 'x'));
}

}  // namespace
