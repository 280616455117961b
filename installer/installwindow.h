// installwindow.h — the installer's full-screen window.
#pragma once

#include "installation.h"

int runInstallWindow(InstallOptions& options, int show);
