// startup.h — the program's start-up sequence and its one message loop.
#pragma once

#include <windows.h>

#include <string>

// Start-up with the given arguments (the command line after the program's
// name), up to the message loop. False when the program is to end at once
// (a second instance): exitCode then holds its code. The fatal conditions
// show their message and end the process themselves.
bool startProgram(const std::string& arguments, int showCommand, int& exitCode);

// The one message loop; returns the exit code of the quit message.
int runMessageLoop();

// Start-up, then the message loop; returns the exit code.
int runProgram(const std::string& arguments, int showCommand);
