// listname.cpp — the check of a new list's name.
#include "listname.h"

ListNameCheck checkListName(const std::string& name) {
    if (name.empty()) return ListNameCheck::Empty;
    static const char kForbidden[] = "/\\<>|.\"*?:";
    if (name.find_first_of(kForbidden) != std::string::npos) return ListNameCheck::Forbidden;
    return ListNameCheck::Accepted;
}
