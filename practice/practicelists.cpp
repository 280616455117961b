// practicelists.cpp — changing practice lists on disk.
#include "practicelists.h"

#include <vector>

#include "files.h"
#include "uistrings.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

bool hasCurrentList() { return wordStore.currentListName[0] != '\0'; }

void reopenList() {
    closeListFile();
    openPracticeList();
    countListRecords();
}

// Copies the live records of the open list to `tmp`; false on any failed
// read or write, so that a short copy never takes the list's place.
bool copyLiveRecords(FILE* tmp) {
    for (int32_t i = 0; i < wordStore.listCount; ++i) {
        if (readListRecord(i) != 0) return false;
        if (isMarkedDeleted(wordStore.recordBuffer)) continue;
        if (std::fwrite(&wordStore.recordBuffer, sizeof(WordRecord), 1, tmp) != 1) return false;
    }
    return true;
}

}  // namespace

std::string listFolderPath(const std::string& listName) {
    return uiString(ui::kListRootFolder) + listName;
}

bool makeListFolder(const std::string& listName) {
    std::string root = uiString(ui::kListRootFolder);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    if (!root.empty() && !folderExists(root)) makeFolder(root);
    return makeFolder(listFolderPath(listName));
}

bool createListFolder() { return hasCurrentList() && makeListFolder(wordStore.currentListName); }

int appendDictionaryRecord(int32_t index) {
    if (index < 0 || index >= wordStore.dictionaryCount) return -1;
    if (readDictionaryRecord(index) != 0) return -1;
    if (writeListRecord(wordStore.listCount) != 0) return -1;
    ++wordStore.listCount;
    return 0;
}

int toggleListMark(int32_t index) {
    if (index < 0 || index >= wordStore.listCount) return -1;
    if (readListRecord(index) != 0) return -1;
    wordStore.recordBuffer.deleted = isMarkedDeleted(wordStore.recordBuffer) ? 0 : 1;
    const int mark = wordStore.recordBuffer.deleted;
    return writeListRecord(index) == 0 ? mark : -1;
}

int removeAll() {
    createListFolder();
    closeListFile();
    if (hasCurrentList()) removeFile(practiceListPath());
    int opened = openPracticeList();
    countListRecords();
    return opened;
}

int updateList() {
    if (!hasCurrentList()) return -1;
    createListFolder();
    const std::string tmpPath = uiString(ui::kListTempFile);
    FILE* tmp = openFile(tmpPath, "wb");
    if (!tmp) return -1;
    if (!copyLiveRecords(tmp)) {
        std::fclose(tmp);
        removeFile(tmpPath);
        return -1;
    }
    closeListFile();
    const bool replaced = commitReplacement(tmp, tmpPath, practiceListPath());
    reopenList();
    return replaced ? 0 : -1;
}

int copyDictionaryToList() {
    if (!hasCurrentList()) return -1;
    createListFolder();
    closeWordFiles();
    // The file seam's copy goes to a file beside the list, reaches the disk
    // and takes the list's place in one atomic replacement.
    const int error = copyFile(dictionaryPath(), practiceListPath());
    if (openDictionary() == 0) countRecords();
    return error;
}

ListDeletion deleteCurrentListFolder() {
    if (!hasCurrentList()) return ListDeletion::NoList;
    closeListFile();
    const std::string folder = listFolderPath(wordStore.currentListName);
    std::vector<FolderEntry> entries;
    listFolder(folder, entries);
    for (const FolderEntry& entry : entries)
        if (!entry.isFolder) removeFile(folder + "\\" + entry.name);
    const bool removed = removeFolder(folder);
    wordStore.currentListName[0] = '\0';
    return removed ? ListDeletion::Deleted : ListDeletion::FolderKept;
}
