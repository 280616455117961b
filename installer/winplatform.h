// winplatform.h — the installation's operating-system services on Windows:
// LZ expansion, plain copies, win.ini, the current folder, the shortcut.
#pragma once

#include "installsequence.h"

class WinPlatform : public InstallPlatform {
   public:
    std::string fullPath(const std::string& folder) override;
    bool canWriteInto(const std::string& folder) override;
    void expandCopy(const std::string& from, const std::string& to) override;
    void plainCopy(const std::string& from, const std::string& to) override;
    std::vector<std::string> matchingFiles(const std::string& folder,
                                           const std::string& pattern) override;
    void writeIntroDelay(const std::string& key, const std::string& value) override;
    bool setCurrentFolder(const std::string& folder) override;
    void createShortcut(const ShortcutSpec& shortcut) override;
};

// The Start-menu shortcut through the shell's link object (COM initialised).
void createProgramsShortcut(const ShortcutSpec& shortcut);
