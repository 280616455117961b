// installscript.cpp — keyword matching and the two passes over install.inf.
#include "installscript.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "files.h"
#include "textcase.h"
#include "textlines.h"

namespace {

// A blank separates a keyword from its value and the words of a line.
bool isBlank(char c) { return c == ' ' || c == '\t'; }

const char* const kSettingsKeywords[] = {"title", "dir", "wbarg", "debug"};
enum { kTitle, kDir, kWbarg, kDebug };

// Table order matters: a line is taken by the first keyword it begins with.
const char* const kCommandKeywords[] = {"mkdir",   "iconname", "avidelay", "icongroup", "iconexe",
                                        "display", "mkwlist",  "copy",     "xcopy",     "sndcopy"};
const ScriptCommandKind kCommandKinds[] = {
    ScriptCommandKind::MakeFolder,    ScriptCommandKind::IconName, ScriptCommandKind::AviDelay,
    ScriptCommandKind::IconGroup,     ScriptCommandKind::IconExe,  ScriptCommandKind::Display,
    ScriptCommandKind::MakeWordLists, ScriptCommandKind::Copy,     ScriptCommandKind::XCopy,
    ScriptCommandKind::SndCopy};
static_assert(std::size(kCommandKeywords) == std::size(kCommandKinds), "one kind per keyword");

// Reads a script in line pieces of at most 99 characters, skipping empty
// and comment lines. False when it cannot be opened.
bool forEachScriptLine(const FilePath& path, const std::function<void(const std::string&)>& use) {
    FILE* file = openFile(path, "rb");
    if (!file) return false;
    std::string line;
    while (readLinePiece(file, line))
        if (!isCommentOrEmpty(line)) use(line);
    std::fclose(file);
    return true;
}

}  // namespace

bool lineValue(const std::string& line, std::string& value) {
    size_t blank = 0;
    while (blank < line.size() && !isBlank(line[blank])) ++blank;
    if (blank + 1 >= line.size()) return false;  // no blank, or nothing after it
    value = line.substr(blank + 1);
    return true;
}

std::vector<std::string> lineWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

int matchKeyword(const std::string& line, const char* const* keywords, int count) {
    for (int k = 0; k < count; ++k)
        if (startsWithIgnoringCase(line, keywords[k])) return k;
    return -1;
}

void applySettingsLine(const std::string& line, ScriptSettings& settings) {
    if (isCommentOrEmpty(line)) return;
    int k = matchKeyword(line, kSettingsKeywords, static_cast<int>(std::size(kSettingsKeywords)));
    std::string value;
    // A keyword without a value has no meaning: the line is ignored.
    if (k < 0 || !lineValue(line, value)) return;
    switch (k) {
        case kTitle: settings.title = value; break;
        case kDir: settings.defaultFolder = value; break;
        case kWbarg: settings.shortcutArguments = value; break;
        case kDebug: settings.statusLinesOn = value != "0"; break;
    }
}

bool parseCommandLine(const std::string& line, ScriptCommand& command) {
    if (isCommentOrEmpty(line)) return false;
    int k = matchKeyword(line, kCommandKeywords, static_cast<int>(std::size(kCommandKeywords)));
    if (k < 0) return false;
    command = ScriptCommand{};
    command.kind = kCommandKinds[k];
    switch (command.kind) {
        case ScriptCommandKind::MakeWordLists: return true;
        case ScriptCommandKind::Copy:
        case ScriptCommandKind::XCopy:
        case ScriptCommandKind::SndCopy: {
            // Fewer than three words: the operands are missing, the line is ignored.
            std::vector<std::string> words = lineWords(line);
            if (words.size() < 3) return false;
            command.first = words[1];
            command.second = words[2];
            return true;
        }
        default: return lineValue(line, command.value);  // no value: ignored
    }
}

bool readScriptSettings(const FilePath& path, ScriptSettings& settings) {
    return forEachScriptLine(path,
                             [&](const std::string& line) { applySettingsLine(line, settings); });
}

bool runScriptCommands(const FilePath& path, const std::function<void(const ScriptCommand&)>& run) {
    return forEachScriptLine(path, [&](const std::string& line) {
        ScriptCommand command;
        if (parseCommandLine(line, command)) run(command);
    });
}
