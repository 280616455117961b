// wbtool_commands.cpp — import, dump, find, sort, reverse and check.
//
// find, sort and check run the word store itself on the file named: the
// tool plays the program's part by installing a language pair whose
// dictionary is that file and UI strings whose folders are the file's own.
#include "wbtool_commands.h"

#include <cstring>
#include <new>

#include "codepage.h"
#include "collate.h"
#include "collation.h"
#include "files.h"
#include "languagepair.h"
#include "listfolders.h"
#include "lookup.h"
#include "messages.h"
#include "resort.h"
#include "reverselist.h"
#include "uistrings.h"
#include "wbtool_check.h"
#include "wbtool_dump.h"
#include "wbtool_import.h"
#include "wordstore.h"

namespace {

// The command line's file names are UTF-8 on every system; the path code
// page says so for one run of the tool and is put back afterwards.
class PathsAsTyped {
   public:
    PathsAsTyped() : previous_(pathCodePage()) { setPathCodePage(kUtf8CodePage); }
    ~PathsAsTyped() { setPathCodePage(previous_); }
    PathsAsTyped(const PathsAsTyped&) = delete;
    PathsAsTyped& operator=(const PathsAsTyped&) = delete;

   private:
    int previous_;
};

constexpr size_t kKeyChars = 37;  // what a search field holds

// What the UI-string loader hands the word store while a command runs.
struct ToolStrings {
    std::string folder;    // the word file's folder, with its separator
    std::string listRoot;  // the word file itself: no folder can be listed there
    FILE* err = nullptr;
};
ToolStrings toolStrings;

std::string toolUiString(int offset) {
    switch (offset) {
        case ui::kDictionaryCaption: return "wbtool";
        case ui::kWordListFolder: return toolStrings.folder;
        // The tool has no practice lists: a list root that cannot be listed
        // makes openDictionary open none.
        case ui::kListRootFolder: return toolStrings.listRoot;
        case ui::kSortTempFile: return toolStrings.folder + "tempfile";
        default: return {};
    }
}

// Core messages (e.g. "Unknown locale : xx") become one line on stderr.
void printCoreMessage(const CoreMessage& message) {
    if (!toolStrings.err) return;
    std::string line = message.text;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(toolStrings.err, "%s\n", line.c_str());
}

size_t folderEnd(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

int fail(FILE* err, const std::string& message) {
    std::fprintf(err, "wbtool: %s\n", message.c_str());
    return kExitError;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    if (!fileExists(path)) return false;
    FILE* f = openFile(path, "rb");
    if (!f) return false;
    bytes.clear();
    char chunk[1 << 16];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// The word store, the collation and the UI strings set up for one word file,
// and put back to "nothing" afterwards.
class ToolSession {
   public:
    explicit ToolSession(FILE* err) {
        toolStrings.err = err;
        setUiStringLoader(toolUiString);
        setMessageSink(printCoreMessage);
    }
    ~ToolSession() {
        closeWordFiles();
        wordStore = WordStore{};
        collation = Collation{};
        clearCollationLocale();
        catalogue = Catalogue{};
        practiceLists = PracticeLists{};
        setMessageSink(nullptr);
        setUiStringLoader(nullptr);
        toolStrings = ToolStrings{};
    }
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    // Makes path the current pair's dictionary file. False when its name is
    // too long for a pair's file-name field.
    bool useFile(const std::string& path) {
        size_t split = folderEnd(path);
        toolStrings.folder = path.substr(0, split);
        toolStrings.listRoot = path + "\\";
        copyField(pair_.name, sizeof pair_.name, "wbtool");
        copyField(pair_.toName, sizeof pair_.toName, "wbtool");
        copyField(pair_.longName, sizeof pair_.longName, "wbtool");
        copyField(pair_.longListFile, sizeof pair_.longListFile, "wbtool.ls");
        catalogue.currentPair = &pair_;
        return copyField(pair_.longDictFile, sizeof pair_.longDictFile, path.substr(split));
    }

    // Puts the collation of --table or --locale in force; without either, no
    // locale is in force and headwords compare by A-Z folding.
    bool applyCollation(const Invocation& inv, std::string& error) {
        if (!inv.table.empty()) {
            if (!loadTable(inv.table, error)) return false;
            pair_.hasSortTable = 1;
        } else if (inv.hasLocale) {
            copyField(pair_.locale, sizeof pair_.locale, inv.locale);
            setCollationLocale(inv.locale.c_str());  // silently, as a re-sort does
            checkLocaleName(inv.locale.c_str());     // warns of a name it does not know
        }
        return true;
    }

   private:
    // The table file's leading 256 bytes; a shorter file fills only its
    // leading entries and the others stay 0.
    bool loadTable(const std::string& path, std::string& error) {
        FILE* f = fileExists(path) ? openFile(path, "rb") : nullptr;
        if (!f) return error = "cannot open the sort table " + path, false;
        size_t got = std::fread(collation.sortTable, 1, sizeof collation.sortTable, f);
        std::fclose(f);
        if (got < sizeof collation.sortTable)
            std::fprintf(toolStrings.err,
                         "wbtool: warning: the sort table %s has %s bytes, not 256; "
                         "the entries after them are 0\n",
                         path.c_str(), std::to_string(got).c_str());
        return true;
    }

    LanguagePair pair_;
};

int importCommand(const std::string& tsvPath, const std::string& outPath, const Invocation& inv,
                  FILE* err) {
    std::string text;
    if (!readWholeFile(tsvPath, text)) return fail(err, "cannot read " + tsvPath);
    std::vector<WordRecord> records;
    ImportError problem = parseWordTable(text, inv.codePage, records);
    if (problem.line)
        return fail(err,
                    tsvPath + ", line " + std::to_string(problem.line) + ": " + problem.message);

    // Written beside OUT and put in its place in one step: OUT is either
    // untouched or complete.
    const std::string tmpPath = outPath + ".tmp";
    FILE* tmp = openFile(tmpPath, "wb");
    if (!tmp) return fail(err, "cannot create " + tmpPath);
    bool written = records.empty() || std::fwrite(records.data(), sizeof(WordRecord),
                                                  records.size(), tmp) == records.size();
    if (!written) {
        std::fclose(tmp);
        removeFile(tmpPath);
        return fail(err, "cannot write " + tmpPath);
    }
    if (!commitReplacement(tmp, tmpPath, outPath)) return fail(err, "cannot write " + outPath);
    return kExitOk;
}

int dumpCommand(const std::string& path, const Invocation& inv, FILE* out, FILE* err) {
    FILE* f = fileExists(path) ? openFile(path, "rb") : nullptr;
    if (!f) return fail(err, "cannot open " + path);
    WordRecord record;
    int64_t index = 0;
    while (std::fread(&record, sizeof record, 1, f) == 1) {
        std::string line = dumpLine(index++, record, inv.codePage);
        std::fwrite(line.data(), 1, line.size(), out);
    }
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok ? kExitOk : fail(err, "cannot read " + path);
}

// Opens the word file read-only as the current dictionary.
bool openForReading(ToolSession& session, const std::string& path) {
    if (!session.useFile(path) || !fileExists(path)) return false;
    wordStore.dictionaryFile = openFile(dictionaryPath(), "rb");
    if (!wordStore.dictionaryFile) return false;
    countRecords();
    return true;
}

int findCommand(const std::string& path, const std::string& key, const Invocation& inv, FILE* out,
                FILE* err) {
    std::string key8;
    ConversionResult r = utf8ToCodePage(key, inv.codePage, key8);
    if (r.status == ConversionStatus::InvalidUtf8) return fail(err, "the key is not valid UTF-8");
    if (r.status == ConversionStatus::Unmappable)
        return fail(err, "the key has the character " + codePointName(r.codePoint) +
                             ", which code page " + std::to_string(inv.codePage) + " lacks");
    if (key8.size() > kKeyChars) key8.resize(kKeyChars);

    ToolSession session(err);
    if (!openForReading(session, path)) return fail(err, "cannot open " + path);
    std::string error;
    if (!session.applyCollation(inv, error)) return fail(err, error);
    std::fprintf(out, "%ld\n", static_cast<long>(findWord(key8.c_str())));
    return kExitOk;
}

const char* resortFailureText(ResortFailure failure) {
    switch (failure) {
        case ResortFailure::Memory: return "not enough memory to hold the records";
        case ResortFailure::Read: return "the file could not be read; it is unchanged";
        case ResortFailure::CreateTemp:
            return "the temporary file could not be created; the file is unchanged";
        case ResortFailure::Write:
            return "the temporary file could not be written; the file is unchanged";
        case ResortFailure::Replace: return "the file could not be replaced; it is unchanged";
        case ResortFailure::Reopen: return "the sorted file could not be opened again";
        default: return "the file is not open";
    }
}

int sortCommand(const std::string& path, const Invocation& inv, FILE* out, FILE* err) {
    ToolSession session(err);
    if (!session.useFile(path) || !fileExists(path) || openDictionary() != 0)
        return fail(err, "cannot open " + path + " for update");
    countRecords();
    std::string error;
    if (!session.applyCollation(inv, error)) return fail(err, error);
    ResortFailure failure = ResortFailure::None;
    if (resortDictionary(nullptr, ResortCollation::AsInForce, &failure) != 0)
        return fail(err, "sort of " + path + " failed: " + resortFailureText(failure));
    std::fprintf(out, "%ld\n", static_cast<long>(wordStore.dictionaryCount));
    return kExitOk;
}

int reverseCommand(const std::string& from, const std::string& to, const Invocation& inv,
                   FILE* err) {
    ToolSession session(err);
    std::string error;
    if (!session.applyCollation(inv, error)) return fail(err, error);
    ReverseListFiles files{from, to, to.substr(0, folderEnd(to)) + "temp.wb"};
    ReverseListResult result = buildReverseList(files);
    if (result.status != 0) return fail(err, result.error);
    return kExitOk;
}

int checkCommand(const std::string& path, const Invocation& inv, FILE* out, FILE* err) {
    ToolSession session(err);
    if (!openForReading(session, path)) return fail(err, "cannot open " + path);
    std::string error;
    if (!session.applyCollation(inv, error)) return fail(err, error);
    CheckReport report;
    if (!checkWordFile(wordStore.dictionaryFile, compareWords, report))
        return fail(err, "cannot read " + path);
    for (const std::string& finding : report.findings) std::fprintf(out, "%s\n", finding.c_str());
    return report.clean ? kExitOk : kExitError;
}

}  // namespace

int runWbtool(const std::vector<std::string>& args, FILE* out, FILE* err) {
    Invocation inv;
    std::string error;
    if (!parseArguments(args, inv, error)) {
        std::fprintf(err, "wbtool: %s (wbtool --help lists the commands)\n", error.c_str());
        return kExitUsage;
    }
    if (inv.command == WbCommand::Help) {
        std::fputs(usageText(), out);
        return kExitOk;
    }
    if (inv.hasLocale && !localeCollationAvailable()) {
        std::fprintf(err,
                     "wbtool: --locale needs Windows collation, which only wbtool.exe has; "
                     "use --table or neither (A-Z folding)\n");
        return kExitUsage;
    }
    if (inv.hasLocale && inv.locale.empty()) {
        std::fprintf(err, "wbtool: --locale needs a locale name\n");
        return kExitUsage;
    }

    // File names are taken as typed (UTF-8), whatever the system's code page.
    PathsAsTyped pathsAsTyped;
    const std::vector<std::string>& ops = inv.operands;

    try {
        switch (inv.command) {
            case WbCommand::Import: return importCommand(ops[0], ops[1], inv, err);
            case WbCommand::Dump: return dumpCommand(ops[0], inv, out, err);
            case WbCommand::Find: return findCommand(ops[0], ops[1], inv, out, err);
            case WbCommand::Sort: return sortCommand(ops[0], inv, out, err);
            case WbCommand::Reverse: return reverseCommand(ops[0], ops[1], inv, err);
            case WbCommand::Check: return checkCommand(ops[0], inv, out, err);
            case WbCommand::Help: break;
        }
    } catch (const std::bad_alloc&) {
        // Files are only ever replaced whole, so nothing is half-written.
        return fail(err, "not enough memory");
    }
    return kExitOk;
}
