// main.cpp — install.exe: the installer's full-screen window, or with
// "/quiet /dir=PATH" the same installation without any window or message box.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "installation.h"
#include "installwindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    InstallOptions options;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv && i < argc; ++i) {
        std::wstring arg = argv[i];
        if (lstrcmpiW(arg.c_str(), L"/quiet") == 0) options.quiet = true;
        else if (arg.size() > 5 && CompareStringOrdinal(arg.c_str(), 5, L"/dir=", 5, TRUE) == CSTR_EQUAL)
            options.folder = arg.substr(5);
    }
    if (argv) LocalFree(argv);
    if (!loadInstallScript(options)) return 1;
    if (options.quiet) return installQuietly(options);
    return runInstallWindow(options, show);
}
