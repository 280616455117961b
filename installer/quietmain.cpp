// quietmain.cpp — the unattended installation's Windows side: COM for the
// shortcut, the temporary folder for the log, the console for the messages.
#include "quietmain.h"

#include <windows.h>

#include <string>

#include "edition.h"
#include "quietinstall.h"
#include "widetext.h"
#include "winplatform.h"

namespace {

std::string currentFolder() {
    char folder[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
    return n > 0 && n < MAX_PATH ? withBackslash(folder) : std::string();
}

std::string tempFolder() {
    char folder[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(MAX_PATH + 1, folder);
    return n > 0 && n <= MAX_PATH ? std::string(folder) : currentFolder();
}

// The messages on the standard error the parent gave us, or else on the
// console of the parent, when there is one.
void tellParent(const QuietReport& report) {
    if (report.messages.empty()) return;
    std::string text;
    for (const std::string& m : report.messages) text += "install: " + m + "\r\n";
    if (!report.logPath.empty()) text += "install: see " + report.logPath + "\r\n";

    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    bool own = false;
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
        own = true;
    }
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        std::wstring wide = toWide(text, CP_ACP);
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    if (own) CloseHandle(out);
}

}  // namespace

int runQuietInstall(const InstallArguments& args) {
    CoInitialize(nullptr);  // the shell's link object, for the shortcut
    WinPlatform platform;
    QuietReport report =
        runQuietInstallation(installEdition(), currentFolder(), args, platform, tempFolder());
    CoUninitialize();
    tellParent(report);
    return report.exitCode;
}
