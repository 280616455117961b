// installargs.h — the installer's command line: none for the window, or
// "/quiet /dir=PATH" for an unattended installation into PATH.
#pragma once

#include <string>
#include <vector>

struct InstallArguments {
    bool quiet = false;
    bool hasFolder = false;
    std::string folder;                // /dir=PATH, quotes removed (UTF-8, as typed)
    std::vector<std::string> unknown;  // anything else
};

// Words separated by blanks; a double quote starts or ends a quoted stretch
// (blanks inside it belong to the word) and is removed. Backslashes are
// plain characters, as paths need them.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The command line in UTF-8; options are recognised ignoring case.
InstallArguments parseInstallArguments(const std::string& commandLine);
