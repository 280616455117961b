// installscript.h — the installation script install.inf: the settings read
// before the window opens (pass 1) and the commands carried out on Start
// (pass 2). Keywords match by their first characters, ignoring case, in
// table order; a value is everything after the line's first blank.
#pragma once

#include <string>
#include <vector>

struct ScriptSettings {
    std::string title;
    std::string defaultFolder = "c:\\";
    std::string shortcutArguments;
    bool statusLines = true;
};

enum class ScriptCommand { MkDir, IconName, AviDelay, IconGroup, IconExe, Display, MkWList, Copy,
                           XCopy, SndCopy };

struct ScriptStep {
    ScriptCommand command;
    std::string value;               // everything after the first blank
    std::vector<std::string> words;  // the blank-separated words after the keyword
};

// The script's lines: pieces of at most 99 characters, line ends removed,
// empty lines and comments ("#") left out.
std::vector<std::string> scriptLines(const std::string& text);

ScriptSettings readScriptSettings(const std::string& text);

// The pass-2 commands in file order. A command without the operands it needs
// is left out: it could only copy or name nothing.
std::vector<ScriptStep> readScriptCommands(const std::string& text);
