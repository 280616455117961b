// practicelists.h — the practice lists on disk as the list editor changes
// them: a list's folder, its file for the current direction, and the
// operations that add to, mark, empty, rewrite, copy over or delete it.
//
// Every operation works on the word store's current list and direction and
// leaves the list file open and counted as the word store expects.
#pragma once

#include <cstdint>
#include <string>

// The folder of a list: the list root + its name.
std::string listFolderPath(const std::string& listName);

// Creates a list's folder, and the list root first when it is missing (a
// user who deleted the root can still make a list). An existing folder
// stays as it is. False when the folder cannot be made (a name the file
// system refuses, such as "CON", or a root that takes no folders).
bool makeListFolder(const std::string& listName);

// The same for the current list; false when there is none.
bool createListFolder();

// Appends dictionary record `index` to the list. -1 when the index lies
// outside the dictionary or the record could not be read or written; the
// list count grows only with a record written.
int appendDictionaryRecord(int32_t index);

// Turns the removal mark of list record `index` on or off and writes the
// record back. The new mark (0 or 1), or -1 when there is no such record or
// it could not be read or written.
int toggleListMark(int32_t index);

// Empties the list of the current direction: its file is deleted and made
// again, empty. The other directions' files in the folder stay.
int removeAll();

// Rewrites the list without its marked records, in order, through the list
// root's temporary file and one atomic replacement. -1 (and the list left
// as it was, marks included) when the temporary file cannot be made, a
// record cannot be read or written, or the replacement fails.
int updateList();

// Add all: the list of the current direction becomes a copy of the
// dictionary file, byte for byte. The copy is made beside the list and put
// in its place in one step, so a failed copy leaves the old list whole.
// Both word files are opened again and counted in every case. 0, or the
// system's error number.
int copyDictionaryToList();

enum class ListDeletion { NoList, Deleted, FolderKept };

// Closes the list, deletes every file of its folder (the lists of all
// directions and whatever else lies there; sub-folders stay) and removes
// the folder. The current list name is emptied unless there was none.
// FolderKept when the folder could not be removed.
ListDeletion deleteCurrentListFolder();
