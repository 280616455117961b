// installsequence.cpp — the steps of the installation and the script's commands.
#include "installsequence.h"

#include <cstdio>

#include "files.h"
#include "languagesetup.h"
#include "settingsfile.h"

namespace {

// What the script's commands set up for the later steps.
struct Plan {
    bool makeShortcut = false;
    ShortcutSpec shortcut;
    std::string closingFile;
    bool buildWordLists = false;
};

class CommandRunner {
   public:
    CommandRunner(const InstallContext& c, const FilePath& folder, Plan& p)
        : context(c), target(folder), plan(p) {}

    void run(const ScriptCommand& command) {
        switch (command.kind) {
            case ScriptCommandKind::MakeFolder: makeFolder(target + command.value); break;
            case ScriptCommandKind::IconName:
                plan.makeShortcut = true;
                plan.shortcut.name = command.value;
                break;
            case ScriptCommandKind::AviDelay:
                context.platform.writeIntroDelay(context.edition.aviDelayKey, command.value);
                break;
            case ScriptCommandKind::IconGroup: plan.shortcut.group = command.value; break;
            case ScriptCommandKind::IconExe: plan.shortcut.target = command.value; break;
            case ScriptCommandKind::Display: plan.closingFile = command.value; break;
            case ScriptCommandKind::MakeWordLists: plan.buildWordLists = true; break;
            case ScriptCommandKind::Copy: copy(command.first, command.second); break;
            case ScriptCommandKind::XCopy: copyMatching(command.first, command.second); break;
            case ScriptCommandKind::SndCopy: copyFolder(command.first, command.second); break;
        }
    }

   private:
    // Target folders are made by the script's mkdir lines, not here; a copy
    // into a missing folder fails without a word, as every copy failure does.
    void copy(const std::string& source, const std::string& to) {
        context.view.showTarget(target + to);
        context.platform.expandCopy(context.sourceFolder + source, target + to);
    }
    // The pattern is looked up in the source folder itself, so the current
    // folder never changes here.
    void copyMatching(const std::string& pattern, const std::string& subfolder) {
        for (const FilePath& name : context.platform.matchingFiles(context.sourceFolder, pattern)) {
            const FilePath to = target + subfolder + "\\" + name;
            context.view.showTarget(to);
            context.platform.plainCopy(context.sourceFolder + name, to);
        }
    }
    void copyFolder(const std::string& sourceSubfolder, const std::string& subfolder) {
        const FilePath from = context.sourceFolder + sourceSubfolder + "\\";
        for (const FilePath& name : context.platform.matchingFiles(from, "*.*")) {
            const FilePath to = target + subfolder + "\\" + name;
            context.view.showTarget(to);
            context.platform.plainCopy(from + name, to);
        }
    }

    const InstallContext& context;
    const FilePath& target;  // the installation folder, with its "\"
    Plan& plan;
};

InstallOutcome fatal(InstallOutcome outcome, const std::string& text) {
    outcome.status = InstallStatus::Fatal;
    outcome.error = text;
    return outcome;
}

}  // namespace

FilePath withBackslash(const FilePath& folder) {
    return folder.back() == '\\' ? folder : folder + "\\";
}

std::string closingText(const std::string& closingFile) {
    FILE* file = closingFile.empty() ? nullptr : openFile(closingFile, "rb");
    if (!file) return kFinished;
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
    return text.substr(0, text.find('\0'));
}

InstallOutcome runInstallation(const InstallContext& context, const FilePath& folderText) {
    InstallOutcome outcome;
    // 1. The folder must exist or be made (one level), and take new files;
    // else the user may correct it. What was typed is taken with a trailing
    // "\": "d:" is the drive's root "d:\", not the folder that happens to be
    // current on that drive.
    FilePath folder =
        folderText.empty() ? FilePath() : context.platform.fullPath(withBackslash(folderText));
    if (folder.empty() || !makeFolder(folder)) {
        outcome.status = InstallStatus::InvalidFolder;
        outcome.error = kInvalidFolder;
        return outcome;
    }
    if (!context.platform.canWriteInto(folder)) {
        outcome.status = InstallStatus::InvalidFolder;
        outcome.error = kFolderNotWritable;
        return outcome;
    }
    outcome.installFolder = withBackslash(folder);
    const FilePath& target = outcome.installFolder;

    // 2, 3. The script's commands, in file order.
    context.view.copyingStarted();
    Plan plan;
    plan.shortcut.arguments = context.settings.shortcutArguments;
    plan.shortcut.workingFolder = target;
    CommandRunner runner(context, target, plan);
    if (!runScriptCommands(context.sourceFolder + kScriptFile,
                           [&](const ScriptCommand& command) { runner.run(command); }))
        return fatal(outcome, kCantOpenScript);

    // 4. From here on every file is relative to the installation folder.
    context.view.copyingDone();
    if (!context.platform.setCurrentFolder(target)) return fatal(outcome, kInvalidFolder);

    // 5. The word lists and the settings file.
    if (plan.buildWordLists) {
        std::string error;
        if (processLanguageList(context.edition, context.view, plan.closingFile, error) != 0)
            return fatal(outcome, error);
    }

    // 6. The [language] section sorted, whether or not this run added to it.
    if (countPairItems(context.edition) > 1) {
        if (const char* error = sortPairItems(context.edition)) return fatal(outcome, error);
    }

    // 7. The Start-menu shortcut, only when the script named it.
    if (plan.makeShortcut) {
        ShortcutSpec shortcut = plan.shortcut;
        shortcut.target = target + shortcut.target;  // the program, in the installation folder
        context.platform.createShortcut(shortcut);
    }
    return outcome;
}
