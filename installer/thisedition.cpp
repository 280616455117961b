// thisedition.cpp — the edition an installer build serves (CMake option
// INSTALL_EDITION); compiled into each installer executable with its own value.
#include "edition.h"

#ifndef NORVA_INSTALL_EDITION
#define NORVA_INSTALL_EDITION "russiancyr"
#endif

const Edition& installerEdition() { return editionNamed(NORVA_INSTALL_EDITION); }
