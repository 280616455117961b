// installwindow.h — the installer's full-screen window, class "Install".
#pragma once

#include <windows.h>

#include <string>

#include "installscript.h"

// Runs the window until the installation ends or the user stops it; the
// result is the process exit code. folderOverride, when not empty, replaces
// the script's default folder in the folder field.
int runInstallWindow(HINSTANCE instance, int show, const ScriptSettings& settings,
                     const std::string& sourceFolder, const std::string& folderOverride);
