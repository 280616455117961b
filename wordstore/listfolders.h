// listfolders.h — the practice lists as folders of the list root ("list\").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PracticeLists {
    int32_t listFolderCount = 0;  // list folders as last counted
    int32_t listId = 400;         // command id of the current list's menu item
};

extern PracticeLists practiceLists;

// Counts the sub-folders of the list root (all but "." and ".."), stores the
// count in listFolderCount and returns it. A list root that cannot be listed
// holds no lists.
int32_t countListFolders();

// Makes the first folder of the list root (in the file system's order) whose
// name does not begin with "." the current list. Returns 400, or 0 when there
// is no such folder (the current name is then left as it was).
int32_t chooseFirstList();

// Whether the list root holds a folder, not beginning with ".", whose name
// equals the current list name ignoring the case of A-Z.
bool listExists();

// The names of the lists: the folders of the list root whose names do not
// begin with ".", in the file system's order.
std::vector<std::string> listFolderNames();
