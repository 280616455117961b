// installargs.cpp — splitting and reading the installer's command line.
#include "installargs.h"

#include "textcase.h"

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

InstallArguments parseInstallArguments(const std::string& commandLine) {
    InstallArguments args;
    const std::string dirOption = "/dir=";
    for (const std::string& word : splitCommandLine(commandLine)) {
        if (equalsIgnoringCase(word, "/quiet")) {
            args.quiet = true;
        } else if (startsWithIgnoringCase(word, dirOption)) {
            args.hasFolder = true;
            args.folder = word.substr(dirOption.size());
        } else {
            args.unknown.push_back(word);
        }
    }
    return args;
}
