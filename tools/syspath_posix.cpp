// syspath_posix.cpp — file names are UTF-8 bytes already.
#include "wbtool_commands.h"

bool localeCollationAvailable() { return false; }

bool systemPath(const std::string& utf8, std::string& path) {
    path = utf8;
    return true;
}
