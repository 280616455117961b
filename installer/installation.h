// installation.h — the installation itself: the script's commands, the word
// lists and settings, the shortcut. Shared by the window and the quiet mode.
#pragma once

#include <windows.h>

#include <string>

#include "installscript.h"
#include "settingsfiles.h"

struct InstallOptions {
    bool quiet = false;
    std::wstring folder;  // /dir=PATH
    std::string sourceFolder;
    std::string script;  // install.inf as read at start-up
    ScriptSettings settings;
};

// What the installation shows on the way; the window paints it, the quiet
// mode shows nothing.
class InstallReport : public LanguageListProgress {
public:
    virtual void copying(const std::string& /*target*/) {}
    virtual void listsDone() {}  // the closing message of a built list
};

// Reads install.inf of the current folder (pass 1); on failure the fatal
// report "Can't open INSTALL.INF".
bool loadInstallScript(InstallOptions& options);

// Checks or creates the installation folder. False: "Invalid Directory".
bool prepareFolder(const std::string& folder);

// Runs the commands, the word lists, the settings sort and the shortcut into
// `folder` (with its trailing "\"). False with a fatal text in error.
bool runInstallation(InstallOptions& options, const std::string& folder, InstallReport& report,
                     std::string& error);

// The whole installation without a window: exit code 0 or 1 (the reason in
// install.log and on the parent's console).
int installQuietly(InstallOptions& options);

// The fatal report of the window mode: the message, then exit code 1.
[[noreturn]] void exitWithError(HWND owner, const std::string& text);
