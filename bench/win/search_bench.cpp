// search_bench.exe — how long the search window takes from a changed search
// text to its ten rows filled, on a dictionary of 1 000 000 records with the
// pair's locale comparison, beside the bare findWord of the same keys.
//
//   search_bench.exe [records] [keys]
//
// Prints "keystroke_median", "keystroke_p99", "findword_median" and
// "field_text_median" (milliseconds).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "benchapi.h"
#include "benchsession.h"
#include "lookup.h"

namespace {

// Words of lower-case letters in increasing order: the same order in every
// locale, so the file is sorted for the French collation too.
std::string wordAt(long i) {
    std::string w(6, 'a');
    long n = i * 7;
    for (int k = 5; k >= 0; --k, n /= 26) w[k] = static_cast<char>('a' + n % 26);
    return w;
}

double percentile(std::vector<double> t, int p) {
    std::sort(t.begin(), t.end());
    return t[t.size() * static_cast<size_t>(p) / 100];
}

}  // namespace

int main(int argc, char** argv) {
    long records = argc > 1 ? std::atol(argv[1]) : 1000000;
    int keys = argc > 2 ? std::atoi(argv[2]) : 1000;
    std::vector<WordRecord> words;
    words.reserve(static_cast<size_t>(records));
    for (long i = 0; i < records; ++i) words.push_back(makeRecord(wordAt(i), "translation"));
    makeInstallation("norva-search-bench", "French", "french", words);
    words = {};
    if (!startBenchProgram()) return 1;
    SendMessageW(mainWindow(), WM_COMMAND, kSearchCommand, 0);
    HWND search = FindWindowW(L"zoeken", nullptr);
    HWND field = GetDlgItem(search, 30);
    if (!search || !field) return 1;

    std::mt19937 random(7);
    std::vector<std::wstring> typed;
    for (int k = 0; k < keys; ++k) {
        std::string w = wordAt(static_cast<long>(random() % static_cast<unsigned>(records)));
        typed.push_back(std::wstring(w.begin(), w.begin() + 1 + random() % 6));
    }
    std::vector<double> window, bare;
    for (const std::wstring& key : typed) {
        long long start = ticksNow();
        SetWindowTextW(field, key.c_str());  // look-up and the ten rows, synchronously
        window.push_back(secondsSince(start) * 1000);
        std::string bytes(key.begin(), key.end());
        start = ticksNow();
        findWord(bytes.c_str());
        bare.push_back(secondsSince(start) * 1000);
    }
    std::vector<double> one;
    HWND row = GetDlgItem(search, 105);
    for (int k = 0; k < 200; ++k) {
        long long start = ticksNow();
        SetWindowTextW(row, (k % 2) ? L"abcdef" : L"ghijkl");
        one.push_back(secondsSince(start) * 1000);
    }
    printFigure("keystroke_median", percentile(window, 50));
    printFigure("keystroke_p99", percentile(window, 99));
    printFigure("findword_median", percentile(bare, 50));
    printFigure("field_text_median", percentile(one, 50));
    DestroyWindow(search);
    DestroyWindow(mainWindow());
    return 0;
}
