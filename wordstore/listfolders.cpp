// listfolders.cpp — counting, choosing and finding practice-list folders.
#include "listfolders.h"

#include <vector>

#include "files.h"
#include "textcase.h"
#include "uistrings.h"
#include "wordrecord.h"
#include "wordstore.h"

PracticeLists practiceLists;

namespace {

std::vector<FolderEntry> listRootFolders() {
    std::vector<FolderEntry> entries, folders;
    if (!listFolder(uiString(ui::kListRootFolder), entries)) return folders;
    for (const FolderEntry& e : entries)
        if (e.isFolder) folders.push_back(e);
    return folders;
}

// A name longer than the current list name can hold (148 characters) is no
// list: cut short it would name another folder, or none.
bool isListName(const FolderEntry& folder) {
    return !folder.name.empty() && folder.name[0] != '.' &&
           folder.name.size() < sizeof wordStore.currentListName;
}

}  // namespace

std::vector<std::string> listFolderNames() {
    std::vector<std::string> names;
    for (const FolderEntry& folder : listRootFolders())
        if (isListName(folder)) names.push_back(folder.name);
    return names;
}

int32_t countListFolders() {
    practiceLists.listFolderCount = static_cast<int32_t>(listRootFolders().size());
    return practiceLists.listFolderCount;
}

int32_t chooseFirstList() {
    std::vector<std::string> names = listFolderNames();
    if (names.empty()) return 0;
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, names.front());
    return 400;
}

bool listExists() {
    for (const std::string& name : listFolderNames())
        if (equalsIgnoringCase(name, wordStore.currentListName)) return true;
    return false;
}
