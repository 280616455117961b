// settingsstore.cpp — win.ini first, the per-user file once win.ini refused.
#include "settingsstore.h"

#include "files.h"

SettingsStore::SettingsStore(WinIniSection& winIni, const std::string& section,
                             const std::string& userFolder)
    : winIni_(winIni), section_(section), userFolder_(userFolder) {
    if (!userFolder_.empty()) {
        userFile_ = userFolder_ + "\\settings.ini";
        tmpFile_ = userFolder_ + "\\tmp.ini";
    }
}

bool SettingsStore::userValue(const std::string& key, std::string& value) const {
    ProfileText profile;
    return !userFile_.empty() && readProfileFile(userFile_, profile) &&
           profile.find(section_, key, value);
}

std::string SettingsStore::readString(const std::string& key, const std::string& fallback) {
    std::string value;
    return userValue(key, value) ? value : winIni_.readString(key, fallback);
}

int SettingsStore::readInt(const std::string& key, int fallback) {
    std::string value;
    return userValue(key, value) ? profileInt(value, fallback) : winIni_.readInt(key, fallback);
}

bool SettingsStore::writeString(const std::string& key, const std::string& value) {
    if (!userFile_.empty() && fileExists(userFile_)) {
        // The file is read first from now on: the value belongs there. A file
        // that cannot be read is left alone rather than replaced by one key.
        ProfileText profile;
        if (!readProfileFile(userFile_, profile)) return false;
        profile.set(section_, key, value);
        return writeProfileFile(userFile_, tmpFile_, profile);
    }
    if (winIni_.writeString(key, value)) return true;
    return moveSectionToUserFile(key, value);
}

bool SettingsStore::writeInt(const std::string& key, int value) {
    return writeString(key, std::to_string(value));
}

bool SettingsStore::moveSectionToUserFile(const std::string& key, const std::string& value) {
    if (userFile_.empty() || !makeFolder(userFolder_)) return false;
    ProfileText profile;
    for (const ProfileEntry& entry : winIni_.entries())
        profile.set(section_, entry.first, entry.second);
    profile.set(section_, key, value);
    return writeProfileFile(userFile_, tmpFile_, profile);
}
