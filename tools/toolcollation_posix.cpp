// toolcollation_posix.cpp — the native wbtool has no Windows collation.
#include "wbtool_commands.h"

bool localeCollationAvailable() { return false; }
