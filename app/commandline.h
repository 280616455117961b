// commandline.h — what the program's command line asks for.
#pragma once

#include <string>

struct CommandLine {
    bool recordMode = false;  // "record": the recorder is offered
    std::string pairPrefix;   // "wb Fr" or "/wb French": start with that pair
};

// Examines the first 99 characters of the arguments.
CommandLine parseCommandLine(const std::string& arguments);

// Makes the first entry whose name begins with prefix current (ignoring
// case), unless the current pair's name or toName already begins with it.
// Nothing changes when no entry matches.
void choosePairByPrefix(const std::string& prefix);
