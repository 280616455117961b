// messagebox.h — the one way the program shows a message box, so that tests
// can record them instead of blocking on them.
#pragma once

#include <windows.h>

#include <string>

#include "messages.h"

// Shows a message box (or hands it to the recorder) and returns the answer.
int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

// A recorder answers in place of the user; nullptr shows real boxes again.
using MessageBoxRecorder = int (*)(HWND owner, const std::wstring& text,
                                   const std::wstring& caption, UINT flags);
void setMessageBoxRecorder(MessageBoxRecorder recorder);

// The fatal path: the message, then the process ends with exit code 1.
[[noreturn]] void exitWithMessage(HWND owner, const std::wstring& text,
                                  const std::wstring& caption);

// "Can't open <path>   \n\nProgram aborted", then exit code 1.
[[noreturn]] void exitDictionaryMissing(HWND owner, const std::string& path);

// Shows the core's messages (locale warnings, sort table) as message boxes.
void showCoreMessageBox(const CoreMessage& message);
