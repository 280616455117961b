// install_fakes.h — the installation's platform and view for the native
// tests: copies with std::filesystem, and a record of what the window and
// the operating system were asked to do.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files.h"
#include "installsequence.h"

namespace test {

// "*" and "?" as the platform's file search understands them, ignoring case.
inline bool wildcardMatch(const char* pattern, const char* name) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*')
        return wildcardMatch(pattern + 1, name) || (*name && wildcardMatch(pattern, name + 1));
    if (*name && (*pattern == '?' || lower(*pattern) == lower(*name)))
        return wildcardMatch(pattern + 1, name + 1);
    return false;
}

class FakePlatform : public InstallPlatform {
   public:
    // An absolute folder as it is; a relative one below the current folder.
    FilePath fullPath(const FilePath& folder) override {
        fullPathsAsked.push_back(folder.utf8());
        if (std::filesystem::path(nativePath(folder)).is_absolute()) return folder;
        return FilePath((std::filesystem::current_path() / "").string(), kUtf8CodePage) + folder;
    }
    bool canWriteInto(const FilePath&) override { return !refuseWrites; }
    void expandCopy(const FilePath& from, const FilePath& to) override {
        copies.push_back("expand " + from.utf8() + " -> " + to.utf8());
        copy(from, to);
    }
    void plainCopy(const FilePath& from, const FilePath& to) override {
        copies.push_back("plain " + from.utf8() + " -> " + to.utf8());
        copy(from, to);
    }
    std::vector<FilePath> matchingFiles(const FilePath& folder,
                                        const std::string& pattern) override {
        std::vector<FilePath> names;
        std::vector<FolderEntry> entries;
        if (!listFolder(folder, entries)) return names;
        std::string p = pattern == "*.*" ? "*" : pattern;
        for (const FolderEntry& e : entries)
            if (!e.isFolder && wildcardMatch(p.c_str(), e.name.c_str())) names.push_back(e.name);
        return names;
    }
    void writeIntroDelay(const std::string& key, const std::string& value) override {
        introDelays.push_back(key + "=" + value);
    }
    bool setCurrentFolder(const FilePath& folder) override {
        std::error_code error;
        std::filesystem::current_path(nativePath(folder), error);
        return !error;
    }
    void createShortcut(const ShortcutSpec& s) override { shortcuts.push_back(s); }

    std::vector<std::string> copies, introDelays, fullPathsAsked;
    std::vector<ShortcutSpec> shortcuts;
    bool refuseWrites = false;  // as a folder the user may not write in

   private:
    static void copy(const FilePath& from, const FilePath& to) {
        std::error_code ignored;  // copy failures are not reported
        std::filesystem::copy_file(nativePath(from), nativePath(to),
                                   std::filesystem::copy_options::overwrite_existing, ignored);
    }
};

// Every call of the view, in order, as one line each.
class RecordingView : public InstallView {
   public:
    void copyingStarted() override { events.push_back("copying"); }
    void showTarget(const FilePath& path) override { events.push_back("target " + path.utf8()); }
    void copyingDone() override { events.push_back("copied"); }
    void localeWarning() override { events.push_back("locale warning"); }
    void settingsFileStep() override { events.push_back("settings file"); }
    void pairStarted(const std::string& name) override { events.push_back("pair " + name); }
    void pairFinished(const std::string& text) override { events.push_back("finished " + text); }
    void bar(int percent) override { events.push_back("bar " + std::to_string(percent)); }
    void stepStarted(ReverseStep step) override { events.push_back(reverseStepName(step)); }
    void stepDone() override { events.push_back("Done."); }
    void recordCounter(int32_t) override { ++counters; }

    std::vector<std::string> events;
    int counters = 0;

    bool saw(const std::string& event) const {
        for (const std::string& e : events)
            if (e == event) return true;
        return false;
    }
};

}  // namespace test
