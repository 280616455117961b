// settingsstore_win32.cpp — the store over the platform's profile functions
// and the user's application-data folder.
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "settingsstore.h"
#include "widepath.h"

namespace {

constexpr const char* kSection = "Dictionary";
bool failWinIniWrites = false;

class ProfileFunctions : public WinIniSection {
   public:
    std::string readString(const std::string& key, const std::string& fallback) override {
        char value[1024] = {};
        GetProfileStringA(kSection, key.c_str(), fallback.c_str(), value, sizeof value);
        return value;
    }
    int readInt(const std::string& key, int fallback) override {
        return static_cast<int>(GetProfileIntA(kSection, key.c_str(), fallback));
    }
    bool writeString(const std::string& key, const std::string& value) override {
        return !failWinIniWrites && WriteProfileStringA(kSection, key.c_str(), value.c_str());
    }
    std::vector<ProfileEntry> entries() override {
        // "key=value\0key=value\0\0"; a full buffer may have cut it short.
        std::vector<char> buffer(4096);
        DWORD n;
        while ((n = GetProfileSectionA(kSection, buffer.data(),
                                       static_cast<DWORD>(buffer.size()))) == buffer.size() - 2 &&
               buffer.size() < (1u << 20))
            buffer.resize(buffer.size() * 4);
        std::vector<ProfileEntry> entries;
        for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += strlen(p) + 1) {
            std::string line = p;
            size_t eq = line.find('=');
            if (eq != std::string::npos && eq > 0)
                entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
        return entries;
    }
};

// The folder as text of the path code page, as the file seam takes it; its
// short form when a letter of it is outside the code page; else none.
std::string pathText(const std::wstring& path) {
    std::string text;
    if (pathTextOfWide(path, text)) return text;
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || std::wstring(shortPath) == path) return std::string();
    return pathText(shortPath);
}

std::string userFolder() {
    wchar_t appData[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return std::string();
    std::string folder = pathText(appData);
    return folder.empty() ? folder : folder + "\\norva";
}

}  // namespace

std::string readSettingString(const std::string& key, const std::string& fallback) {
    ProfileFunctions winIni;
    return SettingsStore(winIni, kSection, userFolder()).readString(key, fallback);
}

int readSettingInt(const std::string& key, int fallback) {
    ProfileFunctions winIni;
    return SettingsStore(winIni, kSection, userFolder()).readInt(key, fallback);
}

bool writeSettingString(const std::string& key, const std::string& value) {
    ProfileFunctions winIni;
    return SettingsStore(winIni, kSection, userFolder()).writeString(key, value);
}

bool writeSettingInt(const std::string& key, int value) {
    return writeSettingString(key, std::to_string(value));
}

std::string userSettingsFile() {
    ProfileFunctions winIni;
    return SettingsStore(winIni, kSection, userFolder()).userFile();
}

void failWinIniWritesForTests(bool fail) { failWinIniWrites = fail; }
