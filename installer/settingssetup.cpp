// settingssetup.cpp — the [language] items of the settings file.
#include "settingssetup.h"

#include <algorithm>

#include "textcase.h"
#include "textlines.h"

namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

bool isLanguageHeader(const std::string& line) { return startsWithIgnoringCase(line, "[language]"); }

bool isCommentOrEmptyLine(const std::string& line) { return line.empty() || line[0] == '#'; }

const char* const kEndComment =
    "# --- EOF --------------------------------------------------------";

}  // namespace

std::string pairItemKey(const std::string& item) {
    std::vector<std::string> fields = splitAtCommas(item);
    if (fields.size() >= 4) return fields[3];
    return fields.empty() ? std::string() : fields[0];
}

bool parseLanguageList(const std::string& text, std::vector<LanguageEntry>& entries,
                       std::string& error) {
    entries.clear();
    std::vector<std::string> lines;
    for (const std::string& line : splitLines(text))
        if (!isCommentOrEmptyLine(line)) lines.push_back(line.substr(0, 99));
    for (size_t i = 0; i < lines.size(); i += 3) {
        std::vector<std::string> fields = splitAtCommas(lines[i]);
        if (fields.size() < 4) {
            error = "language.cf: the entry \"" + lines[i] + "\" needs name, locale, charset and long name";
            return false;
        }
        if (i + 2 >= lines.size()) {
            error = "language.cf: the entry \"" + lines[i] + "\" lacks its word list names";
            return false;
        }
        entries.push_back({fields[0], fields[1], fields[2], fields[3], lines[i + 1], lines[i + 2]});
    }
    return true;
}

std::string initialSettings(const std::string& settingsFileName, const std::string& selected) {
    return "# --- " + settingsFileName + " " + std::string(50, '-') + "\n\n[AddNew]\non\n\n[selected]\n" +
           selected + "\n\n[language]\n\n\n" + kEndComment + "\n";
}

std::string withoutPairItems(const std::string& settings, const std::string& longName) {
    std::vector<std::string> kept;
    for (const std::string& line : splitLines(settings)) {
        // The key: the fourth field, else the first; a line without any comma
        // has no key at all.
        std::vector<std::string> fields = splitAtCommas(line);
        bool hasKey = line.find(',') != std::string::npos && !fields.empty();
        if (!(hasKey && equalsIgnoringCase(pairItemKey(line), longName))) kept.push_back(line);
    }
    return joinLines(kept);
}

std::string withPairItem(const std::string& settings, const std::string& item) {
    std::vector<std::string> lines = splitLines(settings), out;
    size_t i = 0;
    for (; i < lines.size(); ++i) {
        out.push_back(lines[i]);
        if (!isLanguageHeader(lines[i])) continue;
        // The section's items, up to its empty line, which is not copied.
        for (++i; i < lines.size() && !lines[i].empty(); ++i) out.push_back(lines[i]);
        out.push_back(item);
        out.push_back("");
        if (i < lines.size()) ++i;
        break;
    }
    for (; i < lines.size(); ++i) out.push_back(lines[i]);
    return joinLines(out);
}

int countPairItemsIn(const std::string& settings) {
    int count = 0;
    bool inSection = false;
    for (const std::string& line : splitLines(settings)) {
        if (isCommentOrEmptyLine(line)) inSection = false;
        else if (inSection) ++count;
        if (equalsIgnoringCase(line, "[language]")) inSection = true;
    }
    return count;
}

std::string withSortedPairItems(const std::string& settings, KeyLess less) {
    std::vector<std::string> lines = splitLines(settings), items;
    bool inSection = false;
    for (const std::string& line : lines) {
        if (isCommentOrEmptyLine(line)) inSection = false;
        else if (inSection) items.push_back(line);
        if (equalsIgnoringCase(line, "[language]")) inSection = true;
    }
    std::stable_sort(items.begin(), items.end(), [less](const std::string& a, const std::string& b) {
        return less(pairItemKey(a), pairItemKey(b));
    });
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        out.push_back(line);
        if (isLanguageHeader(line)) break;
    }
    out.insert(out.end(), items.begin(), items.end());
    out.push_back("");
    out.push_back(kEndComment);
    return joinLines(out);
}
