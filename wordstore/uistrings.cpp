// uistrings.cpp — the UI-string seam.
#include "uistrings.h"

namespace {
UiStringLoader currentLoader = nullptr;
}

UiStringLoader setUiStringLoader(UiStringLoader loader) {
    UiStringLoader old = currentLoader;
    currentLoader = loader;
    return old;
}

std::string uiString(int offset) { return currentLoader ? currentLoader(offset) : std::string(); }
