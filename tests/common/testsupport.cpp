// testsupport.cpp — helpers shared by the native and the Win32 test programs.
#include "testsupport.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "collate.h"
#include "collation.h"
#include "files.h"
#include "listfolders.h"
#include "uistrings.h"
#include "wordstore.h"

namespace fs = std::filesystem;

namespace test {

bool fixturesRequired() {
    const char* required = std::getenv("NORVA_FIXTURES_REQUIRED");
    return required && *required;
}

ScratchFolder::ScratchFolder() : previous_(fs::current_path()) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("norva-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
    fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void writeRecords(const std::string& path, const std::vector<WordRecord>& records) {
    FILE* f = openFile(path, "wb");
    if (!f) throw std::runtime_error("cannot create " + path);
    if (!records.empty()) std::fwrite(records.data(), sizeof(WordRecord), records.size(), f);
    std::fclose(f);
}

void writeWordFile(const std::string& path, const std::vector<Entry>& entries) {
    std::vector<WordRecord> records;
    for (const Entry& e : entries) records.push_back(makeRecord(e.first, e.second));
    writeRecords(path, records);
}

// The system's name of a program path: wide on Windows, UTF-8 on POSIX.
static fs::path systemPath(const std::string& path) { return fs::u8path(nativePath(path)); }

std::string readBytes(const std::string& path) {
    std::ifstream in(systemPath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(systemPath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<WordRecord> readRecords(const std::string& path) {
    std::string bytes = readBytes(path);
    std::vector<WordRecord> records(bytes.size() / sizeof(WordRecord));
    if (!records.empty())
        std::memcpy(records.data(), bytes.data(), records.size() * sizeof(WordRecord));
    return records;
}

void makeFolders(const std::string& path) { fs::create_directories(systemPath(path)); }

std::string englishUiString(int offset) {
    switch (offset) {
        case ui::kDictionaryCaption: return "Dictionary";
        case ui::kWordListFolder: return "language\\";
        case ui::kListRootFolder: return "list\\";
        case ui::kListTempFile: return "list\\temp.ls";
        case ui::kSortTempFile: return "language\\tempfile";
        case ui::kIconFolder: return "icons\\";
        case ui::kUiLocale: return "english";
        case ui::kUiCharset: return "0";
        case ui::kLocaleError: return "Error setting LOCALE";
        case 52: return "English";
        case 53: return "dict.ini";
        case 56: return "[language]";
        case 57: return "[selected]";
        case 58: return "10";
        case 59: return "[AddNew]";
        case 60: return "8";
        default: return "";
    }
}

LanguagePair makePair(const std::string& name, const std::string& toName,
                      const std::string& locale) {
    LanguagePair p;
    copyField(p.name, sizeof p.name, name);
    copyField(p.toName, sizeof p.toName, toName);
    std::string base = name.substr(0, 3) + "_" + toName.substr(0, 3);
    copyField(p.shortDictFile, sizeof p.shortDictFile, base + ".wb");
    copyField(p.shortListFile, sizeof p.shortListFile, base + ".ls");
    copyField(p.locale, sizeof p.locale, locale);
    return p;
}

namespace {
void recordMessage(const CoreMessage& m) { CoreState::messages().push_back(m); }
}  // namespace

std::vector<CoreMessage>& CoreState::messages() {
    static std::vector<CoreMessage> recorded;
    return recorded;
}

CoreState::CoreState(const LanguagePair& p) : pair(p) {
    catalogue.currentPair = &pair;
    setUiStringLoader(englishUiString);
    setMessageSink(recordMessage);
    messages().clear();
}

CoreState::~CoreState() {
    closeWordFiles();
    wordStore = WordStore{};
    practiceLists = PracticeLists{};
    collation = Collation{};
    clearCollationLocale();
    catalogue = Catalogue{};
    setMessageSink(nullptr);
    setUiStringLoader(nullptr);
}

}  // namespace test
