// quietinstall.cpp — the installation without a window, with its log.
#include "quietinstall.h"

#include <cstdio>

#include "files.h"

namespace {

// Nothing is shown; the locale warning is kept for the log.
class QuietView : public InstallView {
   public:
    explicit QuietView(std::vector<std::string>& m) : messages(m) {}
    void localeWarning() override { messages.push_back(kLocaleWarning); }
    std::vector<std::string>& messages;
};

std::string withCrlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n' && (out.empty() || out.back() != '\r')) out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace

bool writeInstallLog(const FilePath& path, const std::vector<std::string>& messages) {
    FILE* file = openFile(path, "wb");
    if (!file) return false;
    for (const std::string& m : messages) {
        std::string line = withCrlf(m) + "\r\n";
        std::fwrite(line.data(), 1, line.size(), file);
    }
    return std::fclose(file) == 0;
}

QuietReport runQuietInstallation(const InstallEdition& edition, const FilePath& sourceFolder,
                                 const InstallArguments& args, InstallPlatform& platform,
                                 const FilePath& tempFolder) {
    QuietReport report;
    const FilePath folder(args.folder, kUtf8CodePage);
    FilePath logFolder;
    if (!args.hasFolder || !args.unknown.empty()) {
        report.exitCode = 1;
        report.messages.push_back(kQuietUsage);
    } else {
        ScriptSettings settings;
        if (!readScriptSettings(sourceFolder + kScriptFile, settings)) {
            report.exitCode = 1;
            report.messages.push_back(kCantOpenScript);
        } else {
            QuietView view(report.messages);
            InstallContext context{edition, settings, sourceFolder, platform, view};
            InstallOutcome outcome = runInstallation(context, folder);
            if (outcome.status != InstallStatus::Done) {
                report.exitCode = 1;
                report.messages.push_back(outcome.error);
            }
            logFolder = outcome.installFolder;
        }
        // A folder that exists but was not reached still takes the log.
        if (logFolder.empty() && !folder.empty()) {
            FilePath full = platform.fullPath(withBackslash(folder));
            if (!full.empty() && folderExists(full)) logFolder = withBackslash(full);
        }
    }
    if (report.messages.empty()) {
        if (!logFolder.empty() && fileExists(logFolder + kLogFile))
            removeFile(logFolder + kLogFile);
        return report;
    }
    if (!logFolder.empty() && writeInstallLog(logFolder + kLogFile, report.messages)) {
        report.logPath = logFolder + kLogFile;
    } else if (writeInstallLog(withBackslash(tempFolder) + kLogFile, report.messages)) {
        report.logPath = withBackslash(tempFolder) + kLogFile;
    }
    return report;
}
