// installscript.h — the installation script, install.inf.
//
// The script is read twice. Pass 1, at start-up, takes the settings the
// window needs (title, default folder, shortcut arguments, status lines);
// pass 2, on Start, yields the commands in file order. A line is matched
// against the keywords of its pass in table order by comparing as many
// characters as the keyword has, ignoring case, so a keyword matches any
// line that begins with it. Its value is everything after the first blank.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "filepath.h"

constexpr const char* kScriptFile = "install.inf";

// What pass 1 takes from the script.
struct ScriptSettings {
    std::string title;
    std::string defaultFolder = "c:\\";
    std::string shortcutArguments;
    bool statusLinesOn = true;
};

enum class ScriptCommandKind {
    MakeFolder,     // mkdir FOLDER
    IconName,       // iconname NAME
    AviDelay,       // avidelay VALUE
    IconGroup,      // icongroup GROUP
    IconExe,        // iconexe FILE
    Display,        // display FILE
    MakeWordLists,  // mkwlist
    Copy,           // copy SOURCE TARGET
    XCopy,          // xcopy PATTERN SUBFOLDER
    SndCopy,        // sndcopy SUBFOLDER SUBFOLDER
};

struct ScriptCommand {
    ScriptCommandKind kind = ScriptCommandKind::MakeWordLists;
    std::string value;   // value commands: the text after the first blank
    std::string first;   // copying commands: the second word of the line
    std::string second;  // and the third
};

// The value of a line: everything after its first blank (blanks inside are
// kept). False when the line has no blank or nothing follows it.
bool lineValue(const std::string& line, std::string& value);

// The blank-separated words of a line (runs of blanks separate once).
std::vector<std::string> lineWords(const std::string& line);

// Index of the first keyword in the table that the line begins with,
// ignoring case; -1 when none does.
int matchKeyword(const std::string& line, const char* const* keywords, int count);

// Pass 1 on one line (comments and unknown lines change nothing).
void applySettingsLine(const std::string& line, ScriptSettings& settings);

// Pass 2 on one line: false for comments, lines of no command, and lines
// whose operands are missing, which are ignored.
bool parseCommandLine(const std::string& line, ScriptCommand& command);

// Pass 1 over a script file; false when it cannot be opened.
bool readScriptSettings(const FilePath& path, ScriptSettings& settings);

// Pass 2 over a script file: each command is handed on as soon as its line
// is read. False when the file cannot be opened.
bool runScriptCommands(const FilePath& path, const std::function<void(const ScriptCommand&)>& run);
