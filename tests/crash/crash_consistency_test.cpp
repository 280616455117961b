// Crash consistency: every operation that writes files is run in a child
// process that the file seam's kill hook ends abruptly at its first, second,
// third ... disk step, until a run gets through. After each kill every file
// the operation may change must hold its old content or its new content,
// whole; the program must start again on what is left; and the operation run
// again to its end must give the new content (no leftover stands in its way).
//
// A writer is covered by one row of kWriters: whatever it writes goes through
// the seam, which counts the steps.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <optional>

#include "catalogue.h"
#include "edition.h"
#include "files.h"
#include "killpoint.h"
#include "resort.h"
#include "reverselist.h"
#include "settingsfile.h"
#include "settingsstore.h"
#include "testsupport.h"
#include "wbtool_commands.h"
#include "wordstore.h"

namespace {

using Snapshot = std::map<std::string, std::optional<std::string>>;  // absent: nullopt

// win.ini refusing every write, so that the settings store keeps its own file.
class RefusingWinIni : public WinIniSection {
   public:
    std::string readString(const std::string&, const std::string& fallback) override {
        return fallback;
    }
    int readInt(const std::string&, int fallback) override { return fallback; }
    bool writeString(const std::string&, const std::string&) override { return false; }
    std::vector<ProfileEntry> entries() override { return {{"StayOnTop", "1"}}; }
};

const char* const kSettings = "dict.ini";
const char* const kFrench = "language\\Fre_Eng.wb";
const char* const kEnglishFrench = "language\\Eng_Fre.wb";
const char* const kUserFile = "appdata\\norva\\settings.ini";

const InstallEdition& english() { return *findEdition("english"); }

// An installation as the installer leaves it, with an unsorted dictionary
// (a marked record among them) and a per-user settings file.
void layOutInstallation() {
    test::makeFolders("language");
    test::writeBytes(kSettings,
                     "# --- dict.ini ---\r\n\r\n[AddNew]\r\non\r\n\r\n[selected]\r\nFre_Eng.wb\r\n"
                     "\r\n[language]\r\nGerman,german,0\r\nFrench,french,0\r\n\r\n\r\n"
                     "# --- EOF ---\r\n");
    test::writeWordFile(kFrench, {{"velo", "bicycle"},
                                  {"arbre", "tree"},
                                  {"maison", "house,home"},
                                  {"chat", "cat"},
                                  {"zebre", "zebra"},
                                  {"eau", "water"}});
    std::vector<WordRecord> records = test::readRecords(kFrench);
    records[3].deleted = 1;
    test::writeRecords(kFrench, records);
    test::writeWordFile(kEnglishFrench, {{"house", "maison"}});
    test::writeWordFile("language\\Ger_Eng.wb", {{"Haus", "house"}});
    test::writeWordFile("language\\Eng_Ger.wb", {{"house", "Haus"}});
    test::writeWordFile("language\\Ita_Eng.wb", {{"casa", "house"}});
    test::writeBytes("words.tsv", "acqua\twater\ncasa\thouse, home\n");
    test::makeFolders("list\\verbs");
    test::makeFolders("appdata\\norva");
    test::writeBytes(kUserFile, "[Dictionary]\r\nStayOnTop=1\r\nPracticeList=verbs\r\n");
}

// The program's start-up on the files as they are: the catalogue and the
// choice from the settings file, the chosen dictionary opened and every
// record read, the per-user settings read. 0, or the number of the step that
// failed.
int startAgain() {
    clearCatalogue();
    if (loadCatalogue() != 0) return 1;
    if (loadSelection() != 0) return 2;
    if (openDictionary() != 0) return 3;
    countRecords();
    for (int32_t i = 0; i < wordStore.dictionaryCount; ++i)
        if (readDictionaryRecord(i) != 0) return 4;
    RefusingWinIni winIni;
    SettingsStore store(winIni, "Dictionary", "appdata\\norva");
    if (store.readString("PracticeList", "") != "verbs") return 5;
    return 0;
}

// The pair loaded from the settings file, as the program has it when the
// user acts; entry k of the catalogue made current.
bool useCatalogueEntry(int k) {
    clearCatalogue();
    if (loadCatalogue() != 0) return false;
    catalogue.currentPair = catalogueEntry(k);
    if (!catalogue.currentPair || openDictionary() != 0) return false;
    countRecords();
    return true;
}

struct Writer {
    const char* name;
    std::vector<std::string> files;  // every file the operation may change
    std::function<bool()> run;       // the operation as the program calls it
};

const Writer kWriters[] = {
    {"re-sort of the dictionary",
     {kFrench},
     [] { return useCatalogueEntry(1) && resortDictionary() == 0; }},
    {"record written by the search window",
     {kFrench},
     [] {
         if (!useCatalogueEntry(1) || readDictionaryRecord(2) != 0) return false;
         copyField(wordStore.recordBuffer.translation, sizeof wordStore.recordBuffer.translation,
                   "dwelling");
         return writeDictionaryRecord(2) == 0;
     }},
    {"choice of another pair recorded",
     {kSettings},
     [] {
         if (!useCatalogueEntry(0)) return false;
         catalogue.currentPair = catalogueEntry(3);
         return selectPair() == 0;
     }},
    {"installer adds a pair",
     {kSettings},
     [] {
         LanguageEntry italian;
         italian.name = "Italian";
         italian.locale = "italian";
         italian.charset = "0";
         return addPairItem(english(), italian) == nullptr;
     }},
    {"installer removes a pair",
     {kSettings},
     [] { return removePairItems(english(), "German") == nullptr; }},
    {"installer sorts the pairs", {kSettings}, [] { return sortPairItems(english()) == nullptr; }},
    {"installer builds a reverse list",
     {kEnglishFrench},
     [] {
         return buildReverseList({kFrench, kEnglishFrench, "language\\temp.wb"}).status == 0;
     }},
    {"installer copies a word list",
     {"language\\Ita_Eng.wb"},
     [] { return copyFile(kFrench, "language\\Ita_Eng.wb") == 0; }},
    {"settings kept in the per-user file",
     {kUserFile},
     [] {
         RefusingWinIni winIni;
         SettingsStore store(winIni, "Dictionary", "appdata\\norva");
         return store.writeString("WinPosTopMain", "-8");
     }},
    {"dictionary tool imports a table",
     {"language\\Ita_Eng.wb"},
     [] {
         FILE* devNull = std::fopen("/dev/null", "w");
         int status = runWbtool({"import", "words.tsv", "language\\Ita_Eng.wb"}, devNull, devNull);
         std::fclose(devNull);
         return status == 0;
     }},
};

void PrintTo(const Writer& w, std::ostream* out) { *out << w.name; }

Snapshot snapshot(const std::vector<std::string>& files) {
    Snapshot s;
    for (const std::string& f : files)
        s[f] = fileExists(f) ? std::optional<std::string>(test::readBytes(f)) : std::nullopt;
    return s;
}

// Runs fn in a child process; its exit status (kKilledExitCode when a kill
// point ended it).
int inChild(const std::function<int()>& fn) {
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) _exit(fn());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Empties the working folder and lays the installation out again.
void freshInstallation() {
    for (const auto& entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry.path());
    layOutInstallation();
}

int runArmed(const Writer& w, long killAt) {
    return inChild([&] {
        armKillPoint(killAt);
        return w.run() ? 0 : 1;
    });
}

class CrashConsistency : public ::testing::TestWithParam<Writer> {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
};

TEST_P(CrashConsistency, EveryKillLeavesOldOrNewFilesAndTheProgramStartsAgain) {
    const Writer& w = GetParam();
    freshInstallation();
    const Snapshot before = snapshot(w.files);
    ASSERT_EQ(inChild(startAgain), 0) << "the installation itself does not start";
    ASSERT_EQ(runArmed(w, 0), 0) << w.name << " fails without a kill";
    const Snapshot after = snapshot(w.files);
    ASSERT_NE(before, after) << w.name << " changed nothing: no test of its writes";

    long kills = 0;
    for (long step = 1;; ++step) {
        freshInstallation();
        int status = runArmed(w, step);
        if (status == 0) break;  // the run got through before this step
        ASSERT_EQ(status, kKilledExitCode) << w.name << " failed at step " << step;
        ++kills;
        for (const std::string& f : w.files) {
            const auto now = snapshot({f}).at(f);
            EXPECT_TRUE(now == before.at(f) || now == after.at(f))
                << w.name << ", killed before step " << step << ": " << f
                << " is neither old nor new (" << (now ? now->size() : 0) << " bytes)";
        }
        EXPECT_EQ(inChild(startAgain), 0) << w.name << ", killed before step " << step;
        EXPECT_EQ(runArmed(w, 0), 0) << w.name << " run again after a kill before step " << step;
        EXPECT_EQ(snapshot(w.files), after) << w.name << " run again after step " << step;
        ASSERT_LT(step, 10000) << "no end to the steps of " << w.name;
    }
    // Every operation writes and puts its file in place: at least two steps.
    EXPECT_GE(kills, 2) << w.name;
    std::printf("[ kill     ] %s: %ld kill points\n", w.name, kills);
}

INSTANTIATE_TEST_SUITE_P(Writers, CrashConsistency, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

}  // namespace
