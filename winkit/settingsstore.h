// settingsstore.h — the one way to the "Dictionary" section where both
// programs keep their settings: win.ini while the platform lets the program
// write it, else a per-user file with the same section and keys.
//
// When a win.ini write fails, the whole section goes to the per-user file
// (with the value that failed) and from then on, in this run and the next,
// that file comes first: a key it lacks is read from win.ini, and every write
// goes to the file. Where win.ini can be written nothing changes: no file is
// made, and keys, formats and defaults are the platform's own.
#pragma once

#include <string>
#include <vector>

#include "profiletext.h"

// win.ini's section as the store needs it; the Win32 profile functions in
// the programs, a fake in the tests.
class WinIniSection {
   public:
    virtual ~WinIniSection() = default;
    virtual std::string readString(const std::string& key, const std::string& fallback) = 0;
    virtual int readInt(const std::string& key, int fallback) = 0;
    virtual bool writeString(const std::string& key, const std::string& value) = 0;
    virtual std::vector<ProfileEntry> entries() = 0;  // the whole section
};

class SettingsStore {
   public:
    // userFolder: where the per-user file lives ("...\norva"); empty when the
    // platform gives none, and then there is no fallback.
    SettingsStore(WinIniSection& winIni, const std::string& section, const std::string& userFolder);

    std::string readString(const std::string& key, const std::string& fallback);
    int readInt(const std::string& key, int fallback);
    // False when the value was kept nowhere.
    bool writeString(const std::string& key, const std::string& value);
    bool writeInt(const std::string& key, int value);

    // The per-user file, "settings.ini" in the user folder.
    const std::string& userFile() const { return userFile_; }

   private:
    bool userValue(const std::string& key, std::string& value) const;
    bool moveSectionToUserFile(const std::string& key, const std::string& value);

    WinIniSection& winIni_;
    std::string section_, userFolder_, userFile_, tmpFile_;
};

#ifdef _WIN32
// The programs' store: win.ini's section "Dictionary", and "settings.ini" in
// the folder "norva" of the user's application-data folder.
std::string readSettingString(const std::string& key, const std::string& fallback);
int readSettingInt(const std::string& key, int fallback);
bool writeSettingString(const std::string& key, const std::string& value);
bool writeSettingInt(const std::string& key, int value);
std::string userSettingsFile();

// Test seam: while on, every win.ini write fails, as it does where the
// program may not write win.ini (the tests run with rights that can).
void failWinIniWritesForTests(bool fail);
#endif
