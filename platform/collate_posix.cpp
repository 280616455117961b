// collate_posix.cpp — no Windows collation natively: no locale is ever in force.
#include "collate.h"
#include "textcase.h"

bool setCollationLocale(const char*) { return false; }
bool collationLocaleInForce() { return false; }
int compareInLocale(const char* a, const char* b) { return compareFoldingAZ(a, b); }
size_t sortKeyInLocale(const char*, unsigned char*, size_t) { return 0; }
void replaceCollationIdForTesting(unsigned long) {}
void clearCollationLocale() {}
