// wbtool_args.h — the dictionary tool's command line: one command, its
// operands and its options, checked against what each command accepts.
#pragma once

#include <string>
#include <vector>

enum class WbCommand { Help, Version, Import, Dump, Find, Sort, Reverse, Check };

struct Invocation {
    WbCommand command = WbCommand::Help;
    std::vector<std::string> operands;  // paths and the key, in command-line order
    int charset = 0;                    // --charset N, a font character set
    int codePage = 1252;                // the code page of that character set
    std::string table;                  // --table STB, empty when not given
    std::string locale;                 // --locale NAME, empty when not given
    bool hasLocale = false;
};

// Parses the arguments after the program name. False with a one-line
// message for a usage error.
bool parseArguments(const std::vector<std::string>& args, Invocation& invocation,
                    std::string& error);

// The usage text, one command per line.
const char* usageText();
