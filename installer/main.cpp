// main.cpp — install.exe: the window, or with "/quiet /dir=PATH" the same
// installation without one.
#include <windows.h>

#include "edition.h"
#include "files.h"
#include "installargs.h"
#include "installmessage.h"
#include "installscript.h"
#include "installsequence.h"
#include "installwindow.h"
#include "quietmain.h"
#include "widetext.h"
#include "winplatform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    // Every name the distribution gives (install.inf, language.cf) is text of
    // the edition's code page, as the program's own paths are.
    setPathCodePage(installEdition().codePage);
    InstallArguments args =
        parseInstallArguments(toBytes(commandLine ? commandLine : L"", CP_UTF8));
    if (args.quiet) return runQuietInstall(args);

    // The folder install.exe was started in holds the distribution.
    const FilePath source = currentFolder();
    ScriptSettings settings;
    if (!readScriptSettings(source + kScriptFile, settings)) fatalReport(nullptr, kCantOpenScript);
    return runInstallWindow(
        instance, show, settings, source,
        args.hasFolder ? toWide(args.folder, CP_UTF8) : installText(settings.defaultFolder));
}
