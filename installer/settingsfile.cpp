// settingsfile.cpp — creating, and rewriting through tmp.ini, the settings file.
#include "settingsfile.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

#include "files.h"
#include "headwordsort.h"
#include "textcase.h"
#include "textlines.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// Whole lines: the rewrites copy every line they keep unchanged, however long.
bool readLine(FILE* file, std::string& line) {
    return readLinePiece(file, line, std::string::npos);
}

bool isLanguageHeader(const InstallEdition& edition, const std::string& line) {
    return equalsIgnoringCase(line, edition.languageHeader);
}
bool beginsLanguageHeader(const InstallEdition& edition, const std::string& line) {
    return startsWithIgnoringCase(line, edition.languageHeader);
}

class Lines {
   public:
    explicit Lines(FILE* f) : file(f) {}
    ~Lines() {
        if (file) std::fclose(file);
    }
    Lines(const Lines&) = delete;
    Lines& operator=(const Lines&) = delete;
    FILE* file;
};

// The new settings file while it is written. Every line gets a CRLF end,
// also a last line that had none, so that nothing added later joins it.
class NewFile {
   public:
    NewFile() : file_(openFile(kSettingsTempFile, "wb")) {}
    ~NewFile() {
        if (file_) {
            std::fclose(file_);
            removeFile(kSettingsTempFile);
        }
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    bool isOpen() const { return file_ != nullptr; }
    void line(const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fputs(kLineEnd, file_);
    }
    // Puts the new file in place of the settings file; a write error shows here.
    bool commit(const std::string& settingsFile) {
        bool ok = !std::ferror(file_);
        FILE* f = file_;
        file_ = nullptr;
        if (!ok) {
            std::fclose(f);
            removeFile(kSettingsTempFile);
            return false;
        }
        return commitReplacement(f, kSettingsTempFile, settingsFile);
    }

   private:
    FILE* file_;
};

struct Item {
    std::string line, key;
};

// A rewrite: the settings file read line by line into tmp.ini, then put in
// place. The body copies or changes lines; it returns nullptr or a fatal text.
template <typename Body>
const char* rewrite(const std::string& settingsFile, Body body) {
    Lines in(openFile(settingsFile, "rb"));
    if (!in.file) return settings_error::kCantOpen;
    NewFile out;
    if (!out.isOpen()) return settings_error::kCantOpenTemp;
    if (const char* error = body(in.file, out)) return error;
    if (std::ferror(in.file)) return settings_error::kCantOpen;
    std::fclose(in.file);
    in.file = nullptr;  // closed before the replace, as Windows requires
    return out.commit(settingsFile) ? nullptr : settings_error::kCantReplace;
}

}  // namespace

std::string settingsHeaderLine(const std::string& settingsFile) {
    return "# --- " + settingsFile + " " + std::string(50, '-');
}

std::string settingsEndLine() { return "# --- EOF " + std::string(56, '-'); }

bool pairItemKey(const std::string& line, std::string& key) {
    if (line.find(',') == std::string::npos) return false;
    std::vector<std::string> fields = splitFields(line);
    if (fields.empty()) return false;
    key = fields.size() >= 4 ? fields[3] : fields[0];
    return true;
}

const char* createSettingsIfMissing(const InstallEdition& edition,
                                    const std::string& selectedItem) {
    const std::string& settingsFile = edition.settingsFile;
    if (FILE* existing = openFile(settingsFile, "rb")) {
        std::fclose(existing);
        return nullptr;
    }
    // A file that exists but cannot be read is not replaced by a new one.
    if (fileExists(settingsFile)) return settings_error::kCantOpen;
    NewFile out;
    if (!out.isOpen()) return settings_error::kCantCreate;
    for (const std::string& line :
         {settingsHeaderLine(settingsFile), std::string(), edition.addNewHeader, std::string("on"),
          std::string(), edition.selectedHeader, selectedItem, std::string(),
          edition.languageHeader, std::string(), std::string(), settingsEndLine()})
        out.line(line);
    return out.commit(settingsFile) ? nullptr : settings_error::kCantCreate;
}

const char* removePairItems(const InstallEdition& edition, const std::string& longName) {
    return rewrite(edition.settingsFile, [&](FILE* in, NewFile& out) -> const char* {
        std::string line, key;
        while (readLine(in, line))
            if (!pairItemKey(line, key) || !equalsIgnoringCase(key, longName)) out.line(line);
        return nullptr;
    });
}

const char* addPairItem(const InstallEdition& edition, const LanguageEntry& entry) {
    return rewrite(edition.settingsFile, [&](FILE* in, NewFile& out) -> const char* {
        const std::string item = pairItemText(entry);
        bool added = false;
        std::string line;
        while (readLine(in, line)) {
            out.line(line);
            if (!beginsLanguageHeader(edition, line)) continue;
            // The section's items, up to its empty line, which the item and a
            // new empty line replace.
            while (readLine(in, line) && !line.empty()) out.line(line);
            out.line(item);
            out.line("");
            added = true;
        }
        // A file without a [language] section gets one, so that the pair is
        // not silently left out.
        if (!added) {
            out.line(edition.languageHeader);
            out.line(item);
            out.line("");
        }
        return nullptr;
    });
}

int countPairItems(const InstallEdition& edition) {
    Lines in(openFile(edition.settingsFile, "rb"));
    if (!in.file) return -1;
    int count = 0;
    bool inSection = false;
    std::string line;
    while (readLine(in.file, line)) {
        if (isCommentOrEmpty(line)) {
            inSection = false;
        } else if (inSection) {
            ++count;
        } else if (isLanguageHeader(edition, line)) {
            inSection = true;
        }
    }
    return count;
}

const char* sortPairItems(const InstallEdition& edition) {
    const std::string& settingsFile = edition.settingsFile;
    std::vector<Item> items;
    try {
        Lines in(openFile(settingsFile, "rb"));
        if (!in.file) return nullptr;  // nothing to sort
        bool inSection = false;
        std::string line;
        while (readLine(in.file, line)) {
            if (isCommentOrEmpty(line)) {
                inSection = false;
            } else if (inSection) {
                Item item{line, ""};
                pairItemKey(line, item.key);
                if (item.key.empty()) item.key = line;
                items.push_back(std::move(item));
            } else if (isLanguageHeader(edition, line)) {
                inSection = true;
            }
        }
        // The word lists' sort and order, equal keys in file order.
        std::vector<const char*> keys;
        for (const Item& item : items) keys.push_back(item.key.c_str());
        std::vector<Item> sorted;
        for (uint32_t i : sortHeadwords(keys, localeOrFoldingOrder())) sorted.push_back(items[i]);
        items.swap(sorted);
    } catch (const std::bad_alloc&) {
        return nullptr;  // out of memory: the section stays unsorted
    }
    if (!fileExists(settingsFile)) return nullptr;
    return rewrite(settingsFile, [&](FILE* in, NewFile& out) -> const char* {
        std::string line;
        while (readLine(in, line)) {
            out.line(line);
            if (beginsLanguageHeader(edition, line)) break;
        }
        for (const Item& item : items) out.line(item.line);
        out.line("");
        out.line(settingsEndLine());
        return nullptr;
    });
}
