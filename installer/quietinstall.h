// quietinstall.h — the unattended installation, "install.exe /quiet /dir=PATH".
//
// The same installation as the window's Start, into PATH, with no window and
// no message box. Every message the window would have shown (except the
// closing message) is collected; they go to install.log in the installation
// folder, or in the temporary folder when that cannot be written. The exit
// code is 1 when one of them was an error (the locale warning is not: the
// window goes on after it too), else 0. A clean installation writes no log
// and removes the log an earlier run left in the installation folder, which
// would otherwise tell of a failure that is no longer true.
#pragma once

#include <string>
#include <vector>

#include "edition.h"
#include "installargs.h"
#include "installsequence.h"

constexpr const char* kLogFile = "install.log";
constexpr const char* kQuietUsage = "Usage: install.exe /quiet /dir=PATH";

struct QuietReport {
    int exitCode = 0;
    std::vector<std::string> messages;  // in the order they arose
    FilePath logPath;                   // where they were written; empty when nowhere
};

QuietReport runQuietInstallation(const InstallEdition& edition, const FilePath& sourceFolder,
                                 const InstallArguments& args, InstallPlatform& platform,
                                 const FilePath& tempFolder);

// Writes the messages, one line each (CRLF ends), replacing the file. False
// when it cannot be written.
bool writeInstallLog(const FilePath& path, const std::vector<std::string>& messages);
