// toolcollation_win32.cpp — wbtool.exe puts Windows collation locales in force.
#include "wbtool_commands.h"

bool localeCollationAvailable() { return true; }
