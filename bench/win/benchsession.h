// benchsession.h — the program started in a scratch installation for the
// Wine benchmarks: one pair whose dictionary the benchmark fills.
//
// The benchmarks print one figure a line, "name<TAB>value", so that
// scripts/bench.sh can set each beside the same figure of the baseline.
#pragma once

#include <string>
#include <vector>

#include "wordrecord.h"

// A fresh folder under the temporary folder, made the working folder, with
// language.ini, a settings file naming the pair "<name>,<locale>,0" and its
// two dictionary files, the forward one holding `records`. Returns the
// forward file's path.
std::string makeInstallation(const std::string& folder, const std::string& pairName,
                             const std::string& locale, const std::vector<WordRecord>& records);

// Replaces the open dictionary file with `records` and reopens it.
void refillDictionary(const std::string& path, const std::vector<WordRecord>& records);

// Starts the program up to its message loop (message boxes answered OK);
// false when it did not start.
bool startBenchProgram();

double secondsSince(long long startTicks);
long long ticksNow();

void printFigure(const std::string& name, double value);
