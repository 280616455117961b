// catalogue.cpp — the settings file's [language] and [selected] sections.
#include "catalogue.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "collation.h"
#include "files.h"
#include "textcase.h"
#include "textlines.h"
#include "uistrings.h"
#include "wordstore.h"

namespace {

constexpr int kLanguageName = 52;    // the UI language's own name, "English"
constexpr int kSettingsFile = 53;    // "dict.ini"
constexpr int kLanguageHeader = 56;  // "[language]"
constexpr int kSelectedHeader = 57;  // "[selected]"
constexpr int kSelectedLength = 58;  // "10", the length of the header

std::string firstField(const std::string& line) { return line.substr(0, line.find(',')); }

std::string first3(const std::string& s) { return s.substr(0, 3); }

bool hasReadableSortTable(const LanguagePair& pair) {
    FILE* f = openFile(sortTablePath(pair), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

void setText(char* field, size_t capacity, const std::string& text) {
    copyField(field, capacity, text);
}
#define SET(field, text) setText(field, sizeof(field), text)

// The catalogue is built in file order; the last link is kept so that
// appending costs the same for the 200th entry as for the first.
LanguagePair** tailLink = &catalogue.head;
bool itemsLeftOut = false;

void append(LanguagePair* entry) {
    *tailLink = entry;
    tailLink = &entry->next;
    catalogue.size++;
}

}  // namespace

std::string settingsFileName() { return uiString(kSettingsFile); }

bool parseLanguageItem(const std::string& item, const std::string& uiName, int uiCharset,
                       LanguagePair& p) {
    std::vector<std::string> f = splitAtCommas(item);
    // The fields become C texts: a NUL byte ends one, and the name must keep
    // its three characters up to there (the file names are made of them).
    for (std::string& field : f) field.resize(std::strlen(field.c_str()));
    if (f.empty() || f[0].size() < 3) return false;
    std::string locale = f.size() > 1 ? f[1] : "english";
    std::string charset = f.size() > 2 ? f[2] : "0";
    std::string longName = f.size() > 3 ? f[3] : "";
    if (locale.size() > 19 || longName.size() > 95) return false;

    p = LanguagePair{};
    p.headwordCharset = std::atoi(charset.c_str());
    p.translationCharset = uiCharset;
    SET(p.name, longName.empty() ? f[0] : longName);
    SET(p.toName, uiName);
    std::string base = first3(f[0]) + "_" + first3(uiName);
    SET(p.shortDictFile, base + ".wb");
    SET(p.shortListFile, base + ".ls");
    SET(p.fromIcon, first3(f[0]) + ".ico");
    SET(p.toIcon, first3(uiName) + ".ico");
    SET(p.locale, locale);
    if (!longName.empty()) {
        SET(p.longDictFile, longName + "_" + uiName + ".wb");
        SET(p.longListFile, longName + "_" + uiName + ".ls");
        SET(p.longFromIcon, longName + ".ico");
        SET(p.longToIcon, uiName + ".ico");
        SET(p.longName, longName);
    }
    p.hasSortTable = hasReadableSortTable(p);
    return true;
}

LanguagePair reverseOf(const LanguagePair& fwd, const std::string& uiName, int uiCharset,
                       const std::string& uiLocale) {
    LanguagePair r;
    r.headwordCharset = uiCharset;
    r.translationCharset = fwd.headwordCharset;
    SET(r.name, fwd.toName);
    SET(r.toName, fwd.name);
    // "Fre_Eng.wb" becomes "Eng_Fre.wb": the two three-letter parts swap.
    std::string dict = fwd.shortDictFile, from = dict.substr(0, 3), to = dict.substr(4, 3);
    SET(r.shortDictFile, to + "_" + from + ".wb");
    SET(r.shortListFile, to + "_" + from + ".ls");
    SET(r.fromIcon, fwd.toIcon);
    SET(r.toIcon, fwd.fromIcon);
    SET(r.locale, uiLocale);
    if (fwd.longName[0]) {
        std::string longName = fwd.longName;
        SET(r.longDictFile, uiName + "_" + longName + ".wb");
        SET(r.longListFile, uiName + "_" + longName + ".ls");
        SET(r.longFromIcon, uiName + ".ico");
        SET(r.longToIcon, longName + ".ico");
        SET(r.longName, longName);
    }
    r.hasSortTable = hasReadableSortTable(r);
    return r;
}

void clearCatalogue() {
    for (LanguagePair* p = catalogue.head; p;) {
        LanguagePair* next = p->next;
        delete p;
        p = next;
    }
    catalogue = Catalogue{};
    tailLink = &catalogue.head;
}

bool catalogueItemsLeftOut() { return itemsLeftOut; }

LanguagePair* catalogueEntry(int k) {
    LanguagePair* p = catalogue.head;
    for (; p && k > 0; --k) p = p->next;
    return k == 0 ? p : nullptr;
}

LanguagePair* otherDirectionOf(const LanguagePair& pair) {
    for (LanguagePair* p = catalogue.head; p; p = p->next)
        if (std::strcmp(p->name, pair.toName) == 0 && std::strcmp(p->toName, pair.name) == 0)
            return p;
    return nullptr;
}

int loadCatalogue() {
    const std::string uiName = uiString(kLanguageName);
    const int uiCharset = std::atoi(uiString(ui::kUiCharset).c_str());
    FILE* file = openFile(settingsFileName(), "rb");
    if (!file) return -1;
    clearCatalogue();
    itemsLeftOut = false;
    std::vector<LanguagePair*> forward;
    const std::string header = uiString(kLanguageHeader);
    auto isHeader = [&](const std::string& line) {
        return equalsIgnoringCase(firstField(line), header);
    };
    SectionItems section;
    std::string line;
    while (readLinePiece(file, line)) {
        LanguagePair entry;
        if (!section.isItem(line, isHeader)) continue;
        if (forward.size() == kMaxCatalogueItems) {
            itemsLeftOut = true;
        } else if (parseLanguageItem(line, uiName, uiCharset, entry)) {
            forward.push_back(new LanguagePair(entry));
            append(forward.back());
        }
    }
    bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError || forward.empty()) {
        clearCatalogue();
        return -1;
    }
    for (LanguagePair* fwd : forward)
        append(new LanguagePair(reverseOf(*fwd, uiName, uiCharset, uiString(ui::kUiLocale))));
    catalogue.currentPair = catalogueEntry(static_cast<int>(forward.size()));
    return 0;
}

int loadSelection() {
    FILE* file = openFile(settingsFileName(), "rb");
    if (!file) return -1;
    const std::string header = uiString(kSelectedHeader);
    auto isHeader = [&](const std::string& line) { return equalsIgnoringCase(line, header); };
    SectionItems section;
    std::string line;
    while (readLinePiece(file, line)) {
        if (!section.isItem(line, isHeader)) continue;
        for (LanguagePair* p = catalogue.head; p; p = p->next) {
            if (equalsIgnoringCase(line, p->longDictFile) ||
                equalsIgnoringCase(line, p->shortDictFile)) {
                p->selected = 1;
                catalogue.currentPair = p;
                section.close();
                break;
            }
        }
    }
    bool readError = std::ferror(file) != 0;
    std::fclose(file);
    return readError ? -1 : 0;
}

std::string withSelectedLine(const std::string& settings, const std::string& header,
                             size_t headerChars, const std::string& dictFile) {
    std::string out;
    std::string key = header.substr(0, headerChars);
    bool replaceNext = false;
    std::string lastEnd = "\n";
    size_t pos = 0;
    while (pos < settings.size()) {
        size_t nl = settings.find('\n', pos);
        size_t next = nl == std::string::npos ? settings.size() : nl + 1;
        std::string line = settings.substr(pos, next - pos);
        std::string end = line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0 ? "\r\n"
                          : (!line.empty() && line.back() == '\n')                          ? "\n"
                                                                                            : "";
        std::string text = line.substr(0, line.size() - end.size());
        out += replaceNext ? dictFile + (end.empty() ? lastEnd : end) : line;
        if (!end.empty()) lastEnd = end;
        replaceNext = !replaceNext && startsWithIgnoringCase(text, key);
        pos = next;
    }
    // A header on the last line: the choice is added after it, not lost.
    if (replaceNext) out += (out.empty() || out.back() == '\n' ? "" : lastEnd) + dictFile + lastEnd;
    return out;
}

int selectPair() {
    LanguagePair* pair = currentPair();
    if (!pair) return -1;
    applyCollation(CollationOccasion::PairChange);

    int result = -1;
    const std::string path = settingsFileName();
    std::string settings;
    if (readWholeFile(path, settings)) {
        FILE* tmp = openFile("tmp.ini", "wb");
        if (tmp) {
            std::string updated =
                withSelectedLine(settings, uiString(kSelectedHeader),
                                 std::strtoul(uiString(kSelectedLength).c_str(), nullptr, 10),
                                 dictionaryFileName(*pair));
            bool written = std::fwrite(updated.data(), 1, updated.size(), tmp) == updated.size();
            if (!written) {
                std::fclose(tmp);
                removeFile("tmp.ini");
            } else if (commitReplacement(tmp, "tmp.ini", path)) {
                result = 0;
            }
        }
    }
    // The word files follow the pair whether or not the choice was recorded.
    closeWordFiles();
    if (openDictionary() == 0) countRecords();
    return result;
}
