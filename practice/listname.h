// listname.h — what a practice list may be called: a list is a folder, so
// its name may not hold the characters the file system gives a meaning to.
#pragma once

#include <cstddef>
#include <string>

// The new-list dialog reads at most this many characters of a name.
constexpr size_t kListNameChars = 148;

enum class ListNameCheck { Empty, Forbidden, Accepted };

// Empty, or holding one of the ten characters / \ < > | . " * ? : (a
// folder whose name begins with a full stop is no list, and Windows drops a
// trailing one), or accepted.
ListNameCheck checkListName(const std::string& name);
