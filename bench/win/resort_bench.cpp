// resort_bench.exe — the re-sort of a dictionary under Wine, as the search
// and add-words windows run it when they close: behind the sorting window,
// with its counter and clock, and once more without any drawing, so that
// the difference is what the drawing costs.
//
//   resort_bench.exe unsorted RECORDS LOCALE RUNS   made-up words in random order
//   resort_bench.exe appended FILE LOCALE COUNT RUNS  a word file (a sample
//                                                     dictionary) with COUNT words appended
//
// Prints "resort_window", "resort_core" (median seconds), "draws" (counter
// lines drawn in one re-sort) and "records".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "appsettings.h"
#include "benchapi.h"
#include "benchdata.h"
#include "benchsession.h"
#include "resort.h"
#include "wordstore.h"

namespace {

int drawn = 0;
void countDraw(const std::wstring&) { ++drawn; }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<WordRecord> readWordFile(const std::string& path) {
    std::vector<WordRecord> records;
    FILE* f = std::fopen(path.c_str(), "rb");
    WordRecord r;
    while (f && std::fread(&r, sizeof r, 1, f) == 1) records.push_back(r);
    if (f) std::fclose(f);
    if (records.empty()) {
        std::fprintf(stderr, "resort_bench: no records in %s\n", path.c_str());
        std::exit(1);
    }
    return records;
}

int usage() {
    std::fprintf(stderr,
                 "usage: resort_bench unsorted RECORDS LOCALE RUNS\n"
                 "       resort_bench appended FILE LOCALE COUNT RUNS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return usage();
    const std::string mode = argv[1], locale = argv[3];
    std::vector<WordRecord> records;
    int runs = 1;
    if (mode == "unsorted" && argc == 5) {
        records = makeRecords(makeHeadwords(std::strtoul(argv[2], nullptr, 10), 77), 5);
        runs = std::atoi(argv[4]) > 0 ? std::atoi(argv[4]) : 1;
    } else if (mode == "appended" && argc == 6) {
        records = readWordFile(argv[2]);
        // Words an add-words session might bring: new, capitalised, accented.
        std::vector<std::string> added = makeHeadwords(std::strtoul(argv[4], nullptr, 10), 91);
        for (size_t i = 0; i < added.size(); ++i)
            records.push_back(makeRecord(i % 2 ? added[i] : "\xc4" + added[i], "added"));
        runs = std::atoi(argv[5]) > 0 ? std::atoi(argv[5]) : 1;
    } else {
        return usage();
    }

    const std::string path = makeInstallation("norva-resort-bench", "Bench", locale, records);
    if (!startBenchProgram()) return 1;
    setCounterObserver(countDraw);
    std::vector<double> window, core;
    int draws = 0;
    for (int run = 0; run < runs; ++run) {
        refillDictionary(path, records);
        appSettings.dictionaryDirty = 1;
        drawn = 0;
        long long start = ticksNow();
        resortIfDirty();
        window.push_back(secondsSince(start));
        draws = drawn;

        refillDictionary(path, records);
        start = ticksNow();
        if (resortDictionary(nullptr) != 0) return 1;
        core.push_back(secondsSince(start));
    }
    printFigure("records", double(records.size()));
    printFigure("resort_window", median(window));
    printFigure("resort_core", median(core));
    printFigure("draws", draws);
    DestroyWindow(mainWindow());
    return 0;
}
