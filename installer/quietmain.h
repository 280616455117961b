// quietmain.h — "install.exe /quiet /dir=PATH": the installation without a
// window; the messages go to install.log and to the parent's console.
#pragma once

#include "installargs.h"

int runQuietInstall(const InstallArguments& args);
