// benchdata.cpp — made-up words from a fixed seed.
#include "benchdata.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <unordered_set>

namespace {

const char* const kSyllables[] = {
    "ba", "be",  "bi", "bo", "ca", "ce", "chi", "co", "da", "de", "di", "do", "fa", "fe",
    "ga", "ge",  "la", "le", "li", "lo", "ma",  "me", "mi", "mo", "na", "ne", "ni", "pa",
    "pe", "pi",  "po", "ra", "re", "ri", "ro",  "sa", "se", "si", "so", "ta", "te", "ti",
    "to", "tra", "va", "ve", "vi", "za", "x",   "qu", "an", "en", "in", "on", "ur"};

}  // namespace

std::vector<std::string> makeHeadwords(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::unordered_set<std::string> seen;
    std::vector<std::string> words;
    words.reserve(n);
    seen.reserve(n * 2);
    const size_t syllables = sizeof kSyllables / sizeof kSyllables[0];
    while (words.size() < n) {
        std::string w;
        size_t parts = 2 + rng() % 5;
        for (size_t i = 0; i < parts; ++i) w += kSyllables[rng() % syllables];
        if (rng() % 3 == 0) w += static_cast<char>('a' + rng() % 26);
        if (w.size() > 14) w.resize(14);
        if (rng() % 8 == 0) w[0] = static_cast<char>(w[0] - 'a' + 'A');
        if (seen.insert(w).second) words.push_back(w);
    }
    return words;
}

std::vector<WordRecord> makeRecords(const std::vector<std::string>& headwords, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<WordRecord> records;
    records.reserve(headwords.size());
    for (const std::string& h : headwords) {
        std::string t;
        size_t n = 1 + rng() % 3;
        for (size_t i = 0; i < n; ++i) {
            if (i) t += ", ";
            t += headwords[rng() % headwords.size()].substr(0, 12);
        }
        records.push_back(makeRecord(h, t));
    }
    return records;
}

void writeRecordFile(const std::string& path, const std::vector<WordRecord>& records) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(records.data(), sizeof(WordRecord), records.size(), f) != records.size())
        throw std::runtime_error("cannot write " + path);
    std::fclose(f);
}

void writeTextFile(const std::string& path, const std::vector<std::string>& lines) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    for (const std::string& line : lines) {
        std::fputs(line.c_str(), f);
        std::fputc('\n', f);
    }
    std::fclose(f);
}
