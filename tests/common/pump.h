// pump.h — waiting in Win32 tests: this thread's messages are handled until
// the expected state is reached or a deadline passes.
#pragma once

#include <windows.h>

#include <functional>

// Handles messages until done() holds (checked first) or timeoutMs pass;
// returns done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
