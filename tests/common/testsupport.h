// testsupport.h — scratch folders, word files and recorded messages for tests.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "filepath.h"
#include "languagepair.h"
#include "messages.h"
#include "wordrecord.h"

// A test whose fixture is missing is skipped when run on its own, and fails
// under the project's test command (which sets NORVA_FIXTURES_REQUIRED): a
// run that could not try something must not pass for one that did.
#define REQUIRE_FIXTURE(present, what)                                           \
    do {                                                                         \
        if (!(present)) {                                                        \
            if (test::fixturesRequired()) FAIL() << "missing fixture: " << what; \
            GTEST_SKIP() << "missing fixture: " << what;                         \
        }                                                                        \
    } while (0)

namespace test {

bool fixturesRequired();

// A fresh folder that becomes the working folder for the test's lifetime.
class ScratchFolder {
   public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& path() const { return path_; }

   private:
    std::filesystem::path previous_, path_;
};

using Entry = std::pair<std::string, std::string>;  // headword, translation

// Writes a word file of live records (paths with "\" as the program writes them).
void writeWordFile(const std::string& path, const std::vector<Entry>& entries);
void writeRecords(const std::string& path, const std::vector<WordRecord>& records);
std::vector<WordRecord> readRecords(const std::string& path);
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
void makeFolders(const std::string& path);

// The English edition's UI strings the core uses.
std::string englishUiString(int offset);

// A pair as the catalogue would make it from "name,locale,charset".
LanguagePair makePair(const std::string& name, const std::string& toName,
                      const std::string& locale = "english");

// Installs the pair as current, the English UI strings and a message
// recorder; restores a clean word store and collation state on destruction.
class CoreState {
   public:
    explicit CoreState(const LanguagePair& pair);
    ~CoreState();
    LanguagePair pair;
    static std::vector<CoreMessage>& messages();
};

}  // namespace test

// How a failed comparison shows a path.
inline void PrintTo(const FilePath& path, std::ostream* out) { *out << path.utf8(); }
