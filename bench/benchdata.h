// benchdata.h — reproducible word lists for the benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wordrecord.h"

// n distinct headwords of 3 to 14 letters, about one in eight capitalised,
// many sharing their first letters as dictionary words do; in random order.
std::vector<std::string> makeHeadwords(size_t n, uint32_t seed);

// One record per headword with a short made-up translation.
std::vector<WordRecord> makeRecords(const std::vector<std::string>& headwords, uint32_t seed);

void writeRecordFile(const std::string& path, const std::vector<WordRecord>& records);
void writeTextFile(const std::string& path, const std::vector<std::string>& lines);
