// main.cpp — install.exe: the window, or with "/quiet /dir=PATH" the same
// installation without one.
#include <windows.h>

#include "installargs.h"
#include "installmessage.h"
#include "installscript.h"
#include "installsequence.h"
#include "installwindow.h"
#include "quietmain.h"
#include "widetext.h"

namespace {

// The folder install.exe was started in holds the distribution.
std::string sourceFolder() {
    char folder[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
    return n > 0 && n < MAX_PATH ? withBackslash(folder) : std::string();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    InstallArguments args = parseInstallArguments(toBytes(commandLine ? commandLine : L"", CP_ACP));
    if (args.quiet) return runQuietInstall(args);

    const std::string source = sourceFolder();
    ScriptSettings settings;
    if (!readScriptSettings(source + kScriptFile, settings)) fatalReport(nullptr, kCantOpenScript);
    return runInstallWindow(instance, show, settings, source,
                            args.hasFolder ? args.folder : std::string());
}
