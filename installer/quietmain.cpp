// quietmain.cpp — the unattended installation's Windows side: COM for the
// shortcut, the temporary folder for the log, the console for the messages.
#include "quietmain.h"

#include <windows.h>

#include <string>

#include "edition.h"
#include "installmessage.h"
#include "quietinstall.h"
#include "widepath.h"
#include "widetext.h"
#include "winplatform.h"

namespace {

FilePath tempFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, folder);
    return n > 0 && n <= MAX_PATH ? pathOfWide(std::wstring(folder, n)) : currentFolder();
}

// The messages on the standard error the parent gave us, or else on the
// console of the parent, when there is one.
void tellParent(const QuietReport& report) {
    if (report.messages.empty()) return;

    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    bool own = false;
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
        own = true;
    }
    // The messages are the installer's English texts and the distribution's
    // (the edition's code page); the log's name is the system's.
    std::wstring wide;
    for (const std::string& m : report.messages) wide += L"install: " + installText(m) + L"\r\n";
    if (!report.logPath.empty()) wide += L"install: see " + widePath(report.logPath) + L"\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        std::string bytes = toBytes(wide, CP_ACP);  // what a program reading the pipe expects
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
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
