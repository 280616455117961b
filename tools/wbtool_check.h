// wbtool_check.h — what is wrong with a word file, one finding per line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct CheckReport {
    std::vector<std::string> findings;  // the record count first, then the problems
    bool clean = true;                  // no problem found
};

// Reads the open file from its start and reports: the record count; the
// bytes of a trailing partial record; each record whose headword or
// translation field has no NUL; each deleted mark other than 0 and 1; the
// first record that sorts before the one preceding it (compare is the
// collation in force, given two headwords as the word store reads them).
// False when the file cannot be read.
bool checkWordFile(FILE* file, int (*compare)(const char*, const char*), CheckReport& report);
