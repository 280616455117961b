// installsequence.h — the installation that Start runs: validate the folder,
// run the script's commands, build the word lists and enter the pairs in the
// settings file, sort its [language] section, make the shortcut.
//
// The sequence is portable. What the operating system does (expanded copies,
// win.ini, the shortcut) comes through InstallPlatform; what the user sees
// (the window's controls, the progress painting, the message boxes) through
// InstallView, which is also the reverse-list builder's progress callback.
#pragma once

#include <string>
#include <vector>

#include "edition.h"
#include "filepath.h"
#include "installscript.h"
#include "reverselist.h"

constexpr const char* kInvalidFolder = "Invalid Directory";
constexpr const char* kFolderNotWritable =
    "Invalid Directory\n\nThe program cannot write its files in this directory.\n"
    "Choose another directory.";
constexpr const char* kCantOpenScript = "Can't open INSTALL.INF";
constexpr const char* kCantOpenLanguageList = "Can't open LANGUAGE.CF";
constexpr const char* kFinished = "Install Finished ";
constexpr const char* kLocaleWarning =
    "Error setting LOCALE\nSort results may not be valid.\n\nInstall multi-language support from "
    "your Windows cd-rom for this language.   ";

struct ShortcutSpec {
    std::string name;        // the link file's name without ".lnk"
    std::string group;       // folder under the Programs folder; empty: none
    FilePath target;         // installation folder + the program's file
    std::string arguments;   // the program's command line
    FilePath workingFolder;  // the installation folder, with its "\"
};

class InstallPlatform {
   public:
    virtual ~InstallPlatform() = default;
    // The folder as a full path (a typed folder may be relative), as the
    // system names it; empty when there is none.
    virtual FilePath fullPath(const FilePath& folder) = 0;
    // Whether a file can be created and deleted in the folder: the program
    // writes its dictionaries, lists and sounds there.
    virtual bool canWriteInto(const FilePath& folder) = 0;
    // Copies a file, expanding it when it is stored compressed.
    virtual void expandCopy(const FilePath& from, const FilePath& to) = 0;
    // Copies a file unchanged, replacing an existing one.
    virtual void plainCopy(const FilePath& from, const FilePath& to) = 0;
    // Names of the files (not folders) of folder that match pattern, as the
    // system names them.
    virtual std::vector<FilePath> matchingFiles(const FilePath& folder,
                                                const std::string& pattern) = 0;
    virtual void writeIntroDelay(const std::string& key, const std::string& value) = 0;
    virtual bool setCurrentFolder(const FilePath& folder) = 0;
    virtual void createShortcut(const ShortcutSpec& shortcut) = 0;
};

class InstallView : public ReverseListProgress {
   public:
    virtual void copyingStarted() {}                  // the chooser goes, "Copying files..."
    virtual void showTarget(const FilePath&) {}       // a file is about to be copied there
    virtual void copyingDone() {}                     // the panel goes; word lists follow
    virtual void localeWarning() {}                   // the collation locale could not be set
    virtual void settingsFileStep() {}                // the settings file was made or found
    virtual void pairStarted(const std::string&) {}   // a word list is built for this pair
    virtual void pairFinished(const std::string&) {}  // ... and done: the closing text
};

enum class InstallStatus { Done, InvalidFolder, Fatal };

struct InstallOutcome {
    InstallStatus status = InstallStatus::Done;
    std::string error;       // the text to report (also for InvalidFolder)
    FilePath installFolder;  // the full installation folder, with its "\"
};

struct InstallContext {
    const InstallEdition& edition;
    ScriptSettings settings;  // from pass 1
    FilePath sourceFolder;    // where install.inf is, with its "\"
    InstallPlatform& platform;
    InstallView& view;
};

// A folder with a trailing "\" (the root "c:\" keeps its own).
FilePath withBackslash(const FilePath& folder);

// The installation into the folder typed in the field.
InstallOutcome runInstallation(const InstallContext& context, const FilePath& folderText);

// The text shown when a pair's word list is built: the closing text file's
// content up to its first zero byte, or "Install Finished " when none was
// named or it cannot be read.
std::string closingText(const std::string& closingFile);
