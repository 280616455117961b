// languagesetup.cpp — one pass over language.cf: locale, settings file,
// reverse word list and settings item per pair.
#include "languagesetup.h"

#include <cstdio>

#include "collate.h"
#include "files.h"
#include "languagecf.h"
#include "settingsfile.h"

namespace {

// One pair: its reverse word list, then its item replaces any earlier one.
int installPair(const InstallEdition& edition, InstallView& view, const LanguageEntry& entry,
                const std::string& closingFile, std::string& error) {
    const std::string folder = edition.wordListFolder;
    view.pairStarted(entry.longName);
    ReverseListResult built = buildReverseList(
        {folder + entry.fromList, folder + entry.toList, folder + "temp.wb"}, &view);
    if (built.status != 0) {
        error = built.error;
        return -1;
    }
    view.pairFinished(closingText(closingFile));
    const char* fatal = removePairItems(edition, entry.longName);
    if (!fatal) fatal = addPairItem(edition, entry);
    if (fatal) {
        error = fatal;
        return -1;
    }
    return 0;
}

}  // namespace

int processLanguageList(const InstallEdition& edition, InstallView& view,
                        const std::string& closingFile, std::string& error) {
    FILE* file = openFile(kLanguageListFile, "rb");
    if (!file) {
        error = kCantOpenLanguageList;
        return -1;
    }
    LanguageListReader reader(file);
    LanguageEntry entry;
    int status = 0;
    for (int i = 0; status == 0; ++i) {
        int read = reader.next(entry, error);
        if (read <= 0) {
            status = read;
            break;
        }
        // The words of every pair sort in the UI language's collation.
        if (!setCollationLocale(edition.locale.c_str())) view.localeWarning();
        if (i == 0) {
            if (const char* fatal = createSettingsIfMissing(edition, entry.fromList)) {
                error = fatal;
                status = -1;
                break;
            }
            view.settingsFileStep();
        }
        status = installPair(edition, view, entry, closingFile, error);
    }
    std::fclose(file);
    // language.cf stays when the installation stopped, so that it can be repeated.
    if (status == 0) removeFile(kLanguageListFile);
    return status;
}
