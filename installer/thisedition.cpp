// thisedition.cpp — the edition an installer executable serves: the CMake
// option INSTALL_EDITION, or the edition its target was made for.
#include "edition.h"

#ifndef INSTALL_EDITION
#define INSTALL_EDITION "russiancyr"
#endif

const InstallEdition& installEdition() {
    static const InstallEdition* edition = findEdition(INSTALL_EDITION);
    // CMake accepts only the eleven UI languages; russiancyr is the safety net.
    return edition ? *edition : *findEdition("russiancyr");
}
