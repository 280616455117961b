// driver.h — drives a real program from outside, as a user or another
// program would: start it in a folder, find its windows by class and control
// id, read and answer its message boxes, wait for its exit code.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

struct Program {
    HANDLE process = nullptr;
    DWORD pid = 0;
};

// The folder of the running test program (where norva.exe and install.exe are).
std::wstring binFolder();

Program start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder);

// A visible top-level window of the process with that class, or null after the timeout.
HWND waitForWindow(const Program& program, const wchar_t* className, int timeoutMs);

struct MessageBoxSeen {
    HWND dialog = nullptr;
    std::wstring caption;
    std::wstring text;
    bool hasIcon = false;
};

// Waits for a message box of the process and reads its caption and text.
bool waitForMessageBox(const Program& program, MessageBoxSeen& box, int timeoutMs);

// Presses a button of a dialog (IDOK, IDYES, ...).
void press(HWND dialog, int id);

// The exit code, or -1 when the program did not end in time (it is then ended).
int waitForExit(Program& program, int timeoutMs);

std::wstring windowText(HWND window);

// A control's text as the control itself gives it (WM_GETTEXT): the text of
// another process's edit field, which windowText does not read.
std::wstring controlText(HWND control);

}  // namespace driver
