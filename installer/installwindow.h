// installwindow.h — the installer's full-screen window, class "Install".
#pragma once

#include <windows.h>

#include <string>

#include "filepath.h"
#include "installscript.h"

// Runs the window until the installation ends or the user stops it; the
// result is the process exit code. The folder field starts with
// initialFolder (the script's default folder, or the one given with /dir=).
int runInstallWindow(HINSTANCE instance, int show, const ScriptSettings& settings,
                     const FilePath& sourceFolder, const std::wstring& initialFolder);
