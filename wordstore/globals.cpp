// globals.cpp — the catalogue, which start-up fills and everything reads.
#include "languagepair.h"

Catalogue catalogue;
