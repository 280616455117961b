// keycheck.exe — the locale's sort keys set against its comparison on real
// word lists (the sample dictionaries), under Wine:
//   - how many neighbours in the comparison's order the keys alone would put
//     the other way round (or call equal, or not);
//   - whether the sort of headwords, which sorts by keys and puts right what
//     the keys got wrong, gives exactly the comparison's order.
//
//   keycheck.exe LOCALE FILE...
//
// Prints one line a file; exit code 1 when an order differs.
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "collate.h"
#include "headwordsort.h"
#include "sortkey.h"
#include "wordrecord.h"

namespace {

std::vector<std::string> readHeadwords(const char* path) {
    std::vector<std::string> words;
    FILE* f = std::fopen(path, "rb");
    WordRecord r;
    while (f && std::fread(&r, sizeof r, 1, f) == 1) words.push_back(headwordOf(r));
    if (f) std::fclose(f);
    return words;
}

std::string keyOf(const std::string& word) {
    unsigned char key[512];
    size_t n = sortKeyInLocale(word.c_str(), key, sizeof key);
    return std::string(reinterpret_cast<char*>(key), n);
}

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || !setCollationLocale(argv[1])) {
        std::fprintf(stderr, "usage: keycheck LOCALE FILE...  (a locale the platform knows)\n");
        return 2;
    }
    int status = 0;
    for (int f = 2; f < argc; ++f) {
        std::vector<std::string> words = readHeadwords(argv[f]);
        std::shuffle(words.begin(), words.end(), std::mt19937(1));  // any order will do
        std::vector<const char*> pointers;
        for (const std::string& w : words) pointers.push_back(w.c_str());

        std::vector<uint32_t> byComparison(words.size());
        std::iota(byComparison.begin(), byComparison.end(), 0u);
        std::stable_sort(byComparison.begin(), byComparison.end(), [&](uint32_t x, uint32_t y) {
            return compareInLocale(pointers[x], pointers[y]) < 0;
        });
        size_t disagree = 0;
        for (size_t i = 1; i < byComparison.size(); ++i) {
            const std::string& a = words[byComparison[i - 1]];
            const std::string& b = words[byComparison[i]];
            if (sign(keyOf(a).compare(keyOf(b))) != compareInLocale(a.c_str(), b.c_str()))
                ++disagree;
        }
        const bool same = sortHeadwords(pointers, localeOrder()) == byComparison;
        std::printf("%s\t%zu words\t%zu neighbours the keys order otherwise\tsort %s\n", argv[f],
                    words.size(), disagree, same ? "in the comparison's order" : "DIFFERS");
        if (!same) status = 1;
    }
    return status;
}
