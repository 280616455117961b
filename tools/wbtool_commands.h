// wbtool_commands.h — the dictionary tool's commands on top of the word store.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "wbtool_args.h"

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitError = 1;  // also: check found a problem
constexpr int kExitUsage = 2;

// Runs the tool on the arguments after the program name (UTF-8): results go
// to out, every error and warning as one line to err. Returns the exit status.
// The word store, collation and UI-string state are left as they were found
// (empty), so the tool can run more than once in one process.
int runWbtool(const std::vector<std::string>& args, FILE* out, FILE* err);

// Whether this build can put a Windows collation locale in force (--locale).
bool localeCollationAvailable();
