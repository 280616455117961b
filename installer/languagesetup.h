// languagesetup.h — the pairs of language.cf: for each, its reverse word list
// and its item in the settings file; then language.cf is deleted.
#pragma once

#include <string>

#include "edition.h"
#include "installsequence.h"

// Runs in the installation folder (the current folder). 0, or -1 with the
// fatal text in error; what was done before the failure stays.
int processLanguageList(const InstallEdition& edition, InstallView& view,
                        const std::string& closingFile, std::string& error);
