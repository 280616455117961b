// winplatform.h — the installation's operating-system services on Windows:
// LZ expansion, plain copies, win.ini, the current folder, the shortcut.
// Paths go to the wide functions through the file seam (widepath.h).
#pragma once

#include "installsequence.h"

class WinPlatform : public InstallPlatform {
   public:
    FilePath fullPath(const FilePath& folder) override;
    bool canWriteInto(const FilePath& folder) override;
    void expandCopy(const FilePath& from, const FilePath& to) override;
    void plainCopy(const FilePath& from, const FilePath& to) override;
    std::vector<FilePath> matchingFiles(const FilePath& folder,
                                        const std::string& pattern) override;
    void writeIntroDelay(const std::string& key, const std::string& value) override;
    bool setCurrentFolder(const FilePath& folder) override;
    void createShortcut(const ShortcutSpec& shortcut) override;
};

// The Start-menu shortcut through the shell's link object (COM initialised).
void createProgramsShortcut(const ShortcutSpec& shortcut);

// The current folder as the system names it, with its "\"; empty when it
// cannot be taken.
FilePath currentFolder();
