// collate_win32.cpp — locale collation through the CRT locale, CompareStringA
// and LCMapStringA.
#include <windows.h>

#include <climits>
#include <clocale>

#include "collate.h"
#include "textcase.h"

// The CRT's per-category locale handles; [LC_COLLATE] is the collation LCID.
extern "C" __declspec(dllimport) LCID* __cdecl ___lc_handle_func(void);

namespace {
bool inForce = false;
LCID collationLcid = 0;
constexpr DWORD kFlags = NORM_IGNORECASE | SORT_STRINGSORT;
}  // namespace

bool setCollationLocale(const char* name) {
    if (!std::setlocale(LC_COLLATE, name)) return false;
    inForce = true;
    collationLcid = ___lc_handle_func()[LC_COLLATE];
    return true;
}

bool collationLocaleInForce() { return inForce; }

namespace {
bool sameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}
}  // namespace

int compareInLocale(const char* a, const char* b) {
    // The same text is equal to itself: no need to ask the platform, whose
    // every call costs about a microsecond (a sorted reverse list holds each
    // piece about twice, side by side).
    if (sameText(a, b)) return 0;
    // _stricoll would do, but under Wine it lacks SORT_STRINGSORT.
    switch (CompareStringA(collationLcid, kFlags, a, -1, b, -1)) {
        case CSTR_LESS_THAN: return -1;
        case CSTR_EQUAL: return 0;
        case CSTR_GREATER_THAN: return 1;
        default: return compareFoldingAZ(a, b);  // the call failed (0)
    }
}

size_t sortKeyInLocale(const char* text, unsigned char* key, size_t capacity) {
    if (!inForce || capacity == 0) return 0;
    int size = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    int made = LCMapStringA(collationLcid, LCMAP_SORTKEY | kFlags, text, -1,
                            reinterpret_cast<char*>(key), size);
    return made > 0 ? static_cast<size_t>(made) : 0;
}

void replaceCollationIdForTesting(unsigned long id) { collationLcid = static_cast<LCID>(id); }

void clearCollationLocale() {
    std::setlocale(LC_COLLATE, "C");
    inForce = false;
    collationLcid = 0;
}
