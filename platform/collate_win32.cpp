// collate_win32.cpp — locale collation through the CRT locale and CompareStringA.
#include <windows.h>

#include <climits>
#include <clocale>

#include "collate.h"

// The CRT's per-category locale handles; [LC_COLLATE] is the collation LCID.
extern "C" __declspec(dllimport) LCID* __cdecl ___lc_handle_func(void);

namespace {
bool inForce = false;
LCID collationLcid = 0;
}  // namespace

bool setCollationLocale(const char* name) {
    if (!std::setlocale(LC_COLLATE, name)) return false;
    inForce = true;
    collationLcid = ___lc_handle_func()[LC_COLLATE];
    return true;
}

bool collationLocaleInForce() { return inForce; }

int compareInLocale(const char* a, const char* b) {
    // _stricoll would do, but under Wine it lacks SORT_STRINGSORT.
    switch (CompareStringA(collationLcid, NORM_IGNORECASE | SORT_STRINGSORT, a, -1, b, -1)) {
        case CSTR_LESS_THAN: return -1;
        case CSTR_EQUAL: return 0;
        case CSTR_GREATER_THAN: return 1;
        default: return INT_MAX;
    }
}

void clearCollationLocale() {
    std::setlocale(LC_COLLATE, "C");
    inForce = false;
    collationLcid = 0;
}
