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

int32_t countListFolders() {
    practiceLists.listFolderCount = static_cast<int32_t>(listRootFolders().size());
    return practiceLists.listFolderCount;
}

int32_t chooseFirstList() {
    for (const FolderEntry& folder : listRootFolders()) {
        if (!isListName(folder)) continue;
        copyField(wordStore.currentListName, sizeof wordStore.currentListName, folder.name);
        return 400;
    }
    return 0;
}

bool listExists() {
    for (const FolderEntry& folder : listRootFolders())
        if (isListName(folder) && equalsIgnoringCase(folder.name, wordStore.currentListName))
            return true;
    return false;
}
