// installscript.cpp — the two passes over install.inf.
#include "installscript.h"

#include <sstream>

#include "textcase.h"
#include "textlines.h"

namespace {

struct Keyword {
    const char* word;
    ScriptCommand command;
    size_t operands;  // blank-separated words the command needs after itself
};

const Keyword kCommands[] = {
    {"mkdir", ScriptCommand::MkDir, 1},         {"iconname", ScriptCommand::IconName, 1},
    {"avidelay", ScriptCommand::AviDelay, 1},   {"icongroup", ScriptCommand::IconGroup, 1},
    {"iconexe", ScriptCommand::IconExe, 1},     {"display", ScriptCommand::Display, 1},
    {"mkwlist", ScriptCommand::MkWList, 0},     {"copy", ScriptCommand::Copy, 2},
    {"xcopy", ScriptCommand::XCopy, 2},         {"sndcopy", ScriptCommand::SndCopy, 2},
};

std::string valueOf(const std::string& line) {
    size_t blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

std::vector<std::string> wordsAfterKeyword(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    in >> word;  // the keyword itself
    while (in >> word) words.push_back(word);
    return words;
}

}  // namespace

std::vector<std::string> scriptLines(const std::string& text) {
    std::vector<std::string> pieces;
    for (const std::string& line : splitLines(text)) {
        for (size_t at = 0; at < line.size(); at += 99) {
            std::string piece = line.substr(at, 99);
            if (piece[0] != '#') pieces.push_back(piece);
        }
    }
    return pieces;
}

ScriptSettings readScriptSettings(const std::string& text) {
    ScriptSettings s;
    for (const std::string& line : scriptLines(text)) {
        if (startsWithIgnoringCase(line, "title")) s.title = valueOf(line);
        else if (startsWithIgnoringCase(line, "dir")) s.defaultFolder = valueOf(line);
        else if (startsWithIgnoringCase(line, "wbarg")) s.shortcutArguments = valueOf(line);
        else if (startsWithIgnoringCase(line, "debug")) s.statusLines = valueOf(line) != "0";
    }
    return s;
}

std::vector<ScriptStep> readScriptCommands(const std::string& text) {
    std::vector<ScriptStep> steps;
    for (const std::string& line : scriptLines(text)) {
        for (const Keyword& k : kCommands) {
            if (!startsWithIgnoringCase(line, k.word)) continue;
            ScriptStep step{k.command, valueOf(line), wordsAfterKeyword(line)};
            bool complete = step.words.size() >= k.operands && (k.operands == 0 || !step.value.empty());
            if (complete) steps.push_back(step);
            break;
        }
    }
    return steps;
}
