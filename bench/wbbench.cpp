// wbbench.cpp — how fast findWord answers and wbtool sorts, each beside a
// yardstick measured in the same run:
//   findWord on files of 10 000, 100 000 and 1 000 000 records (page cache
//   warm) beside std::lower_bound over the same keys in memory;
//   wbtool sort of 100 000 and 1 000 000 records beside LC_ALL=C sort -f of
//   the same headwords as text, with the peak memory of each.
// Usage: wbbench [WORK_FOLDER]   (default: ./bench-data; files are made there)
// Prints one figure a line, "name<TAB>value" (scripts/bench.sh sets each
// beside the same figure of the baseline build).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "benchdata.h"
#include "collate.h"
#include "languagepair.h"
#include "lookup.h"
#include "textcase.h"
#include "uistrings.h"
#include "wordstore.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kLookups = 20000;
constexpr int kSortRuns = 3;

std::string benchUiString(int offset) {
    switch (offset) {
        case ui::kWordListFolder: return "";
        case ui::kListRootFolder: return "no-lists-here\\";
        case ui::kSortTempFile: return "tempfile";
        default: return "";
    }
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool lessFolding(const char* a, const char* b) { return compareFoldingAZ(a, b) < 0; }

// The probes findWord makes for a key: its own loop, on the words in memory.
int countProbes(const std::vector<const char*>& sorted, const char* key, int32_t& result) {
    int32_t lo = 0, hi = static_cast<int32_t>(sorted.size()) - 1, mid = 0, probes = 0;
    bool found = false;
    while (lo <= hi && !found) {
        mid = lo + (hi - lo) / 2;
        ++probes;
        int c = compareFoldingAZ(sorted[mid], key);
        if (c == 0)
            found = true;
        else if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    result = (found || mid == lo) ? mid : mid + 1;
    return probes;
}

struct LookupFigures {
    double findWordMicros = 0, lowerBoundMicros = 0, probesMedian = 0;
    int probesMax = 0;
};

LookupFigures measureLookups(size_t n, LanguagePair& pair) {
    std::vector<std::string> words = makeHeadwords(n, 1000 + static_cast<uint32_t>(n));
    std::vector<std::string> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return lessFolding(a.c_str(), b.c_str());
    });
    const std::string file = "lookup-" + std::to_string(n) + ".wb";
    writeRecordFile(file, makeRecords(sorted, 7));

    copyField(pair.longDictFile, sizeof pair.longDictFile, file);
    if (openDictionary() != 0) {
        std::fprintf(stderr, "wbbench: cannot open %s\n", file.c_str());
        std::exit(1);
    }
    countRecords();

    std::mt19937 rng(42);
    std::vector<const char*> keys, inMemory;
    for (size_t i = 0; i < kLookups; ++i) keys.push_back(sorted[rng() % sorted.size()].c_str());
    for (const std::string& s : sorted) inMemory.push_back(s.c_str());

    for (const char* k : keys) findWord(k);  // warm the page cache and stdio
    LookupFigures f;
    std::vector<double> times, baseline, probes;
    for (const char* k : keys) {
        auto t0 = Clock::now();
        int32_t r = findWord(k);
        auto t1 = Clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        int32_t expected;
        int p = countProbes(inMemory, k, expected);
        if (expected != r) {
            std::fprintf(stderr, "wbbench: findWord(%s) gave %d, expected %d\n", k, r, expected);
            std::exit(1);
        }
        probes.push_back(p);
        f.probesMax = std::max(f.probesMax, p);
    }
    for (const char* k : keys) {
        auto t0 = Clock::now();
        auto it = std::lower_bound(inMemory.begin(), inMemory.end(), k, lessFolding);
        auto t1 = Clock::now();
        if (it == inMemory.end()) std::exit(1);  // every key is there
        baseline.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    closeWordFiles();
    f.findWordMicros = median(times);
    f.lowerBoundMicros = median(baseline);
    f.probesMedian = median(probes);
    return f;
}

struct RunFigures {
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs a program with stdout to /dev/null; wall time and peak resident memory.
RunFigures runProgram(const std::vector<std::string>& args,
                      const std::vector<std::string>& extraEnv) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> envStrings(extraEnv);
    for (char** e = environ; *e; ++e) envStrings.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : envStrings) envp.push_back(&e[0]);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    auto t0 = Clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        std::fprintf(stderr, "wbbench: cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    auto t1 = Clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "wbbench: %s failed\n", args[0].c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double>(t1 - t0).count(), usage.ru_maxrss / 1024.0};
}

struct SortFigures {
    RunFigures wbtool, gnuSort;
};

void copyFile(const std::string& from, const std::string& to) {
    FILE* in = std::fopen(from.c_str(), "rb");
    FILE* out = std::fopen(to.c_str(), "wb");
    char chunk[1 << 16];
    size_t got;
    while (in && out && (got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        std::fwrite(chunk, 1, got, out);
    if (in) std::fclose(in);
    if (!out || std::fclose(out) != 0) {
        std::fprintf(stderr, "wbbench: cannot copy %s\n", from.c_str());
        std::exit(1);
    }
}

// Whether the word file holds n records in A-Z folding order.
bool sortedFile(const std::string& file, size_t n) {
    FILE* f = std::fopen(file.c_str(), "rb");
    WordRecord prev{}, cur{};
    size_t count = 0;
    bool ordered = true;
    while (f && std::fread(&cur, sizeof cur, 1, f) == 1) {
        if (count++ > 0 && compareFoldingAZ(prev.headword, cur.headword) > 0) ordered = false;
        prev = cur;
    }
    if (f) std::fclose(f);
    return ordered && count == n;
}

// Writes the unsorted word file and the same headwords as text. Run in a
// child process: a program's peak memory counts the peak of the process
// that starts it, so the measuring process must stay small.
void makeSortFiles(size_t n, const std::string& master, const std::string& text) {
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<std::string> words = makeHeadwords(n, 2000 + static_cast<uint32_t>(n));
        writeRecordFile(master, makeRecords(words, 9));
        writeTextFile(text, words);
        std::fflush(nullptr);
        _exit(0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "wbbench: cannot make %s\n", master.c_str());
        std::exit(1);
    }
}

SortFigures measureSorts(size_t n) {
    const std::string tag = "sort-" + std::to_string(n);
    const std::string master = tag + ".unsorted", file = tag + ".wb", text = tag + ".txt";
    makeSortFiles(n, master, text);
    std::vector<double> wbTimes, wbPeaks, gnuTimes, gnuPeaks;
    for (int run = 0; run < kSortRuns; ++run) {
        copyFile(master, file);  // unsorted again, and in the page cache
        RunFigures w = runProgram({WBTOOL_PATH, "sort", file}, {});
        RunFigures g = runProgram({"sort", "-f", text, "-o", text + ".sorted"}, {"LC_ALL=C"});
        wbTimes.push_back(w.seconds), wbPeaks.push_back(w.peakMegabytes);
        gnuTimes.push_back(g.seconds), gnuPeaks.push_back(g.peakMegabytes);
    }
    if (!sortedFile(file, n)) {
        std::fprintf(stderr, "wbbench: %s is not sorted\n", file.c_str());
        std::exit(1);
    }
    return {{median(wbTimes), median(wbPeaks)}, {median(gnuTimes), median(gnuPeaks)}};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "bench-data";
    mkdir(folder.c_str(), 0777);
    if (chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "wbbench: cannot use %s\n", folder.c_str());
        return 1;
    }
    setUiStringLoader(benchUiString);
    clearCollationLocale();
    LanguagePair pair;
    copyField(pair.longName, sizeof pair.longName, "bench");
    catalogue.currentPair = &pair;

    // The sorts first, while this process is small (see makeSortFiles).
    const RunFigures floor = runProgram({"true"}, {});
    SortFigures sorts[2] = {measureSorts(100000), measureSorts(1000000)};
    const size_t sizes[] = {10000, 100000, 1000000};
    LookupFigures lookups[3];
    for (int i = 0; i < 3; ++i) lookups[i] = measureLookups(sizes[i], pair);

    const char* sizeNames[] = {"10k", "100k", "1m"};
    auto figure = [](const std::string& name, double value) {
        std::printf("%s\t%.6g\n", name.c_str(), value);
    };
    for (int i = 0; i < 3; ++i) {
        const std::string n = sizeNames[i];
        figure("findword_us_" + n, lookups[i].findWordMicros);
        figure("probes_median_" + n, lookups[i].probesMedian);
        figure("probes_max_" + n, lookups[i].probesMax);
        figure("lower_bound_us_" + n, lookups[i].lowerBoundMicros);
    }
    for (int i = 0; i < 2; ++i) {
        const std::string n = sizeNames[i + 1];
        figure("wbtool_sort_s_" + n, sorts[i].wbtool.seconds);
        figure("gnu_sort_s_" + n, sorts[i].gnuSort.seconds);
        figure("wbtool_sort_mb_" + n, sorts[i].wbtool.peakMegabytes);
        figure("gnu_sort_mb_" + n, sorts[i].gnuSort.peakMegabytes);
    }
    figure("idle_program_mb", floor.peakMegabytes);
    return 0;
}
