// reverselist_bench.cpp — the installer's reverse word list of a FROM list of
// 100 000 translation pieces, timed as install.exe builds it (collation
// locale "russian" when the platform has it).
//
//   reverse_bench [runs] [fold]   (in an empty working folder; "fold": without
//   the locale, to show what the locale's comparisons cost)
//
// Prints "reverse_seconds" (median), "pieces" and "to_records", one a line
// with a tab before the value, as the other benchmarks do.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "collate.h"
#include "files.h"
#include "reverselist.h"
#include "wordrecord.h"

namespace {

constexpr int kRecords = 50000;  // two pieces each

// Deterministic pseudo-words of 3 to 12 lower-case letters.
struct Words {
    unsigned long long state = 88172645463325252ull;
    std::string next() {
        std::string w;
        int n = 3 + static_cast<int>(step() % 10);
        for (int i = 0; i < n; ++i) w.push_back(static_cast<char>('a' + step() % 26));
        return w;
    }
    unsigned long long step() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state >> 11;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    makeFolder("language");
    Words words;
    std::vector<WordRecord> from;
    for (int i = 0; i < kRecords; ++i) {
        std::string a = words.next(), b = words.next();
        from.push_back(makeRecord(words.next(), a + ", " + b));
    }
    FILE* f = openFile("language\\From.wb", "wb");
    if (!f || std::fwrite(from.data(), sizeof(WordRecord), from.size(), f) != from.size()) return 1;
    std::fclose(f);

    const bool fold = argc > 2 && std::string(argv[2]) == "fold";
    const bool locale = !fold && setCollationLocale("russian");
    std::vector<double> seconds;
    ReverseListResult result;
    for (int r = 0; r < runs; ++r) {
        auto start = std::chrono::steady_clock::now();
        result = buildReverseList({"language\\From.wb", "language\\To.wb", "language\\temp.wb"});
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (result.status != 0) {
            std::fprintf(stderr, "reverse list failed: %s\n", result.error.c_str());
            return 1;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    if (!fold && !locale) std::fprintf(stderr, "reverse_bench: no collation locale \"russian\"\n");
    std::printf("reverse_seconds\t%.6g\npieces\t%d\nto_records\t%d\n", seconds[seconds.size() / 2],
                result.pieces, result.toRecords);
    return 0;
}
