// startup.h — the program's start-up sequence and its one message loop.
#pragma once

#include <windows.h>

#include <string>

// Runs start-up with the given arguments (the command line after the
// program's name) and then the message loop; returns the exit code.
int runProgram(const std::string& arguments, int showCommand);
